// One orvane-cli command: its options, and a run that returns its JSON output.
#pragma once

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <memory>
#include <vector>

namespace cli {

class Command {
public:
    virtual ~Command() = default;
    // Declares the command's own options on its subcommand.
    virtual void configure(CLI::App& app) = 0;
    // Runs after parsing; throws Refusal when the input is refused.
    virtual nlohmann::ordered_json run() = 0;
    // Back to the defaults before the next batch line is parsed into the same
    // options: an option the line leaves out must not keep the last line's value.
    virtual void reset() {}
    // The number of the batch line about to run, from 1.
    virtual void set_batch_line(int line) {}
};

struct CommandInfo {
    const char* name;
    const char* description;
    std::unique_ptr<Command> (*make)();
    bool batchable;  // accepts --batch: one argument set per stdin line
    bool numbersLines = false;  // its batch lines answer {"line": n, …}, refusals too
};

const std::vector<CommandInfo>& all_commands();

}  // namespace cli
