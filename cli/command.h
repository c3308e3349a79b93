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
};

struct CommandInfo {
    const char* name;
    const char* description;
    std::unique_ptr<Command> (*make)();
    bool batchable;  // accepts --batch: one argument set per stdin line
};

const std::vector<CommandInfo>& all_commands();

}  // namespace cli
