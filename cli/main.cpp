// orvane-cli: casts charts and converts dates without a window, for scripting,
// batch work and tests. Output is UTF-8 JSON; a refused input exits with 2 and
// the program's own message on stderr. Every message the program shows on the
// way goes to stderr as well, in success as in refusal.
#include <cstdio>
#include <filesystem>
#include <iostream>

#include <unistd.h>

#include "cli/cli_support.h"
#include "cli/command.h"
#include "cli/input_lines.h"
#include "platform/clock.h"
#include "platform/encoding.h"
#include "platform/message.h"
#include "platform/program_dir.h"

namespace {

// The message boxes and questions of one run (a command, or one batch line), GBK.
struct MessageLog {
    std::vector<std::string> shown;     // message boxes: candidates for the cause of a refusal
    std::vector<std::string> everything;  // messages and questions, in order

    void install() {
        platform::set_message_handler([this](const std::string& text) {
            shown.push_back(text);
            everything.push_back(text);
        });
        platform::set_question_handler([this](const std::string& text) {
            everything.push_back(text);
            return false;
        });
    }
    void clear() {
        shown.clear();
        everything.clear();
    }
};

MessageLog messageLog;

// A GBK literal of this file as UTF-8.
std::string utf8(const char* gbk) { return platform::gbk_to_utf8_lossy(gbk); }

struct Outcome {
    int status = 0;
    std::string error;   // UTF-8, on refusal: its first cause
    bool errorWasShown = false;  // the cause is a message box already in the log
};

// One command with the parser built for it; a batch reuses both for every line.
class Invocation {
public:
    explicit Invocation(const cli::CommandInfo& info) : app_(info.description, info.name), command_(info.make()) {
        command_->configure(app_);
    }

    // On success `output` holds the UTF-8 JSON or the help text; it is reused,
    // so that a batch keeps one buffer for all its lines.
    Outcome run(const std::vector<std::string>& args, std::string& output, int batchLine = 0) {
        messageLog.clear();
        command_->reset();
        command_->set_batch_line(batchLine);
        output.clear();
        try {
            if (!command_->take_plain_arguments(args)) {
                app_.clear();
                reversed_.assign(args.rbegin(), args.rend());
                app_.parse(reversed_);
            }
            if (command_->writes_json()) {
                cli::JsonWriter writer(output);
                command_->write_json(writer);
                writer.finish();
                return {0, {}};
            }
            nlohmann::ordered_json out = command_->run();
            // A plain string (a path) prints as it is; everything else as JSON.
            output = out.is_string() ? out.get<std::string>() : cli::dump_json(out);
            return {0, {}};
        } catch (const CLI::CallForHelp&) {
            output = app_.help();
            return {0, {}};
        } catch (const CLI::ParseError& e) {
            return {cli::kRefused, cli::printable_utf8(e.what())};
        } catch (const cli::Refusal& refusal) {
            // The first message box shown on the way is the first cause; the
            // refusal's own text when none was.
            if (messageLog.shown.empty()) return {cli::kRefused, platform::gbk_to_utf8_lossy(refusal.what())};
            return {cli::kRefused, platform::gbk_to_utf8_lossy(messageLog.shown.front()), true};
        } catch (const std::exception& e) {
            return {cli::kRefused, cli::printable_utf8(e.what())};
        }
    }

private:
    CLI::App app_;
    std::unique_ptr<cli::Command> command_;
    std::vector<std::string> reversed_;
};

// The messages of the run on stderr, each on its own line, led by `prefix`,
// then the cause of a refusal unless it is one of them.
void print_messages(const std::string& prefix, const Outcome& outcome) {
    for (const std::string& m : messageLog.everything)
        std::fprintf(stderr, "%s%s\n", prefix.c_str(), platform::gbk_to_utf8_lossy(m).c_str());
    if (!outcome.error.empty() && !outcome.errorWasShown)
        std::fprintf(stderr, "%s%s\n", prefix.c_str(), outcome.error.c_str());
}

int run_once(const cli::CommandInfo& info, const std::vector<std::string>& args) {
    Invocation invocation(info);
    std::string output;
    Outcome outcome = invocation.run(args, output);
    if (outcome.status == 0) {
        std::cout << output;
        if (output.empty() || output.back() != '\n') std::cout << '\n';
    }
    print_messages("", outcome);
    return outcome.status;
}

// The words of a line, split at white space as a stream would, appended to `words`.
void split_words(const std::string& line, std::vector<std::string>& words) {
    // The C locale's white space, which the program never leaves.
    const auto space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    for (size_t i = 0; i < line.size();) {
        while (i < line.size() && space(line[i])) ++i;
        const size_t start = i;
        while (i < line.size() && !space(line[i])) ++i;
        if (i > start) words.emplace_back(line, start, i - start);
    }
}

// One argument set per stdin line, one JSON object per output line. A refused
// line, a line of bytes that are not UTF-8 or one too long prints
// {"error": message}; the batch goes on and ends with status 2.
int run_batch(const cli::CommandInfo& info, const std::vector<std::string>& fixedArgs) {
    Invocation invocation(info);
    // Answers wait in stdout's buffer while more lines are at hand, and leave
    // before the next wait for input: a program that feeds one line and waits
    // for its answer (a coprocess) gets it at once.
    static char answers[1 << 16];
    std::setvbuf(stdout, answers, _IOFBF, sizeof answers);
    cli::InputLines input(STDIN_FILENO, [] { std::fflush(stdout); });
    int status = 0;
    std::string out;
    std::vector<std::string> args;
    for (cli::InputLine line; input.next(line);) {
        Outcome outcome;
        out.clear();
        if (line.tooLong) {
            outcome = {cli::kRefused, utf8("输入行超过") + std::to_string(cli::kInputLineLimit / 1024) + "KB"};
        } else if (!cli::is_utf8(line.text)) {
            outcome = {cli::kRefused, utf8("输入行不是UTF-8文本：") + cli::printable_utf8(line.text)};
        } else {
            args = fixedArgs;
            split_words(line.text, args);
            outcome = invocation.run(args, out, line.number);
        }
        if (outcome.status != 0) {
            nlohmann::ordered_json error;
            if (info.numbersLines) error["line"] = line.number;
            error["error"] = outcome.error;
            out = cli::dump_json(error);
            status = outcome.status;
        }
        out += '\n';
        std::fwrite(out.data(), 1, out.size(), stdout);
        if (!messageLog.everything.empty() || !outcome.error.empty()) {
            std::fflush(stdout);  // the line's answer before its messages
            print_messages(std::to_string(line.number) + ": ", outcome);
        }
        messageLog.clear();
    }
    std::fflush(stdout);
    return status;
}

void print_usage(std::FILE* to, const std::vector<cli::CommandInfo>& commands) {
    std::fprintf(to, "usage: orvane-cli COMMAND [ARGS] [--batch] [--program-dir DIR] [--today YYYY-MM-DD]\n"
                     "       orvane-cli COMMAND --help\ncommands:\n");
    for (const auto& c : commands) std::fprintf(to, "  %-8s %s\n", c.name, c.description);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string programDir;
    std::string today;
    bool batch = false;
    bool help = false;
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--program-dir" && i + 1 < args.size()) {
            programDir = args[++i];
        } else if (args[i] == "--today" && i + 1 < args.size()) {
            today = args[++i];
        } else if (args[i] == "--batch") {
            batch = true;
        } else {
            if (args[i] == "--help" || args[i] == "-h") help = true;
            rest.push_back(args[i]);
        }
    }
    const auto& commands = cli::all_commands();
    const cli::CommandInfo* info = nullptr;
    if (!rest.empty())
        for (const auto& c : commands)
            if (rest[0] == c.name) info = &c;
    if (!info) {
        if (help && (rest.empty() || rest[0] == "--help" || rest[0] == "-h")) {
            print_usage(stdout, commands);
            return 0;
        }
        print_usage(stderr, commands);
        return cli::kRefused;
    }
    rest.erase(rest.begin());

    messageLog.install();
    if (!programDir.empty()) {
        std::error_code error;
        if (!std::filesystem::is_directory(programDir, error)) {
            std::fprintf(stderr, "%s%s\n", utf8("程序目录不存在：").c_str(), cli::printable_utf8(programDir).c_str());
            return cli::kRefused;
        }
        platform::set_program_dir(programDir);
    }
    if (!today.empty()) {
        try {
            orvane::SolarDate d = cli::parse_date(today);
            platform::set_clock_override({d.year, d.month, d.day, 12, 0, 0});
        } catch (const cli::Refusal& refusal) {
            std::fprintf(stderr, "%s\n", platform::gbk_to_utf8_lossy(refusal.what()).c_str());
            return cli::kRefused;
        }
    }
    if (batch && !help) {
        if (!info->batchable) {
            std::fprintf(stderr, "%s does not take --batch\n", info->name);
            return cli::kRefused;
        }
        return run_batch(*info, rest);
    }
    return run_once(*info, rest);
}
