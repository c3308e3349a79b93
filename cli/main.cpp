// orvane-cli: casts charts and converts dates without a window, for scripting,
// batch work and tests. Output is UTF-8 JSON; a refused input exits with 2 and
// the program's own message on stderr.
#include <cstdio>
#include <iostream>
#include <sstream>

#include "cli/cli_support.h"
#include "cli/command.h"
#include "platform/clock.h"
#include "platform/encoding.h"
#include "platform/program_dir.h"

namespace {

struct Outcome {
    int status = 0;
    std::string json;   // on success
    std::string error;  // UTF-8, on refusal
};

// Parses one argument set of a command and runs it.
Outcome run_command(const cli::CommandInfo& info, const std::vector<std::string>& args) {
    CLI::App app{info.description, info.name};
    auto command = info.make();
    command->configure(app);
    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(reversed);
        nlohmann::ordered_json out = command->run();
        // A plain string (a path) prints as it is; everything else as JSON.
        return {0, out.is_string() ? out.get<std::string>() : out.dump(), {}};
    } catch (const CLI::ParseError& e) {
        return {cli::kRefused, {}, e.what()};
    } catch (const cli::Refusal& refusal) {
        return {cli::kRefused, {}, platform::gbk_to_utf8_lossy(refusal.what())};
    }
}

int run_once(const cli::CommandInfo& info, const std::vector<std::string>& args) {
    Outcome outcome = run_command(info, args);
    if (outcome.status == 0)
        std::cout << outcome.json << '\n';
    else
        std::fprintf(stderr, "%s\n", outcome.error.c_str());
    return outcome.status;
}

std::vector<std::string> split_words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// One argument set per stdin line, one JSON object per output line. A refused
// line prints {"error": message} and the run ends with status 2.
int run_batch(const cli::CommandInfo& info, const std::vector<std::string>& fixedArgs) {
    int status = 0;
    for (std::string line; std::getline(std::cin, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> args = fixedArgs;
        for (auto& word : split_words(line)) args.push_back(word);
        Outcome outcome = run_command(info, args);
        if (outcome.status == 0) {
            std::cout << outcome.json << '\n';
        } else {
            std::cout << nlohmann::json{{"error", outcome.error}}.dump() << '\n';
            status = outcome.status;
        }
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string programDir;
    std::string today;
    bool batch = false;
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--program-dir" && i + 1 < args.size()) {
            programDir = args[++i];
        } else if (args[i] == "--today" && i + 1 < args.size()) {
            today = args[++i];
        } else if (args[i] == "--batch") {
            batch = true;
        } else {
            rest.push_back(args[i]);
        }
    }
    const auto& commands = cli::all_commands();
    auto usage = [&commands] {
        std::fprintf(stderr, "usage: orvane-cli COMMAND [ARGS] [--batch] [--program-dir DIR]\ncommands:\n");
        for (const auto& c : commands) std::fprintf(stderr, "  %-8s %s\n", c.name, c.description);
        return cli::kRefused;
    };
    if (rest.empty()) return usage();
    const cli::CommandInfo* info = nullptr;
    for (const auto& c : commands)
        if (rest[0] == c.name) info = &c;
    if (!info) return usage();
    rest.erase(rest.begin());

    if (!programDir.empty()) platform::set_program_dir(programDir);
    if (!today.empty()) {
        try {
            orvane::SolarDate d = cli::parse_date(today);
            platform::set_clock_override({d.year, d.month, d.day, 12, 0, 0});
        } catch (const cli::Refusal& refusal) {
            std::fprintf(stderr, "%s\n", platform::gbk_to_utf8_lossy(refusal.what()).c_str());
            return cli::kRefused;
        }
    }
    if (batch) {
        if (!info->batchable) {
            std::fprintf(stderr, "%s does not take --batch\n", info->name);
            return cli::kRefused;
        }
        return run_batch(*info, rest);
    }
    return run_once(*info, rest);
}
