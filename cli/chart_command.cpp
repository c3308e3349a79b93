// chart BIRTH: validates and casts the chart and prints the whole chart record.
#include "cli/chart_commands.h"

#include "cli/birth_args.h"
#include "cli/chart_json.h"
#include "cli/cli_support.h"
#include "app/history.h"
#include "engine/compute_chart.h"
#include "engine/options.h"

namespace cli {
namespace {

class ChartCommand : public WritingCommand {
public:
    void configure(CLI::App& app) override { add_birth_options(app, birth_); }
    void reset() override { birth_ = BirthArgs{}; }
    bool take_plain_arguments(const std::vector<std::string>& args) override {
        return read_plain_birth_words(args, birth_);
    }

    void write_json(JsonWriter& out) override {
        MessageCapture capture(birth_.yes);
        store_birth(birth_, capture);
        // Saved only when asked: the save switch of --options, or of option.dat without it.
        if (orvane::options.optSaveHistory) orvane::append_history();
        orvane::compute_chart();
        out.begin_object();
        write_chart_state_members(out, orvane::chart);
        out.key("messages");
        out.begin_array();
        for (const auto& m : capture.messages) out.text(m);
        out.end_array();
        out.end_object();
    }

private:
    BirthArgs birth_;
};

}  // namespace

std::unique_ptr<Command> make_chart_command() { return std::make_unique<ChartCommand>(); }

}  // namespace cli
