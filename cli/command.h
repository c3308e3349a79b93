// One orvane-cli command: its options, and a run that returns its JSON output
// or writes it into a buffer.
#pragma once

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <memory>
#include <string>
#include <vector>

#include "cli/json_writer.h"

namespace cli {

class Command {
public:
    virtual ~Command() = default;
    // Declares the command's own options on its subcommand.
    virtual void configure(CLI::App& app) = 0;
    // Runs after parsing; throws Refusal when the input is refused.
    virtual nlohmann::ordered_json run() = 0;
    // The fast path of a command that writes its JSON itself: when it says so,
    // write_json replaces run and appends the same text that run's tree would dump.
    virtual bool writes_json() const { return false; }
    virtual void write_json(JsonWriter& out) { (void)out; }
    // Back to the defaults before the next batch line is parsed into the same
    // options: an option the line leaves out must not keep the last line's value.
    virtual void reset() {}
    // The number of the batch line about to run, from 1.
    virtual void set_batch_line(int line) {}
    // Takes the arguments without the general parser when they have the plain
    // shape most batch lines have, and says so; false leaves them, untouched,
    // to the parser.
    virtual bool take_plain_arguments(const std::vector<std::string>& args) { (void)args; return false; }
};

// A command that only writes its JSON; its tree, for whoever still asks, is
// read back from that text.
class WritingCommand : public Command {
public:
    bool writes_json() const override { return true; }
    nlohmann::ordered_json run() override {
        std::string text;
        JsonWriter out(text);
        write_json(out);
        return nlohmann::ordered_json::parse(out.finish());
    }
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
