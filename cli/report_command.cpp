// report BIRTH [--style NN] [--fields]: the whole chart command sequence
// without a window; writes right.htm into the style folder.
#include "cli/chart_commands.h"

#include "app/build_chart.h"
#include "app/history.h"
#include "cli/birth_args.h"
#include "cli/cli_support.h"
#include "platform/encoding.h"
#include "report/report_fields.h"
#include "report/style_folder.h"

namespace cli {
namespace {

class ReportCommand : public Command {
public:
    void configure(CLI::App& app) override {
        add_birth_options(app, birth_, false);
        app.add_option("--history", history_, "cast the N-th record of the history (1 = the oldest) instead of BIRTH");
        app.add_option("--style", style_, "style number 01-20 (default 02)");
        app.add_flag("--fields", fields_, "print every non-empty report field as JSON");
    }

    nlohmann::ordered_json run() override {
        if (style_.size() != 2 || style_.find_first_not_of("0123456789") != std::string::npos || style_ < "01" ||
            style_ > "20")
            throw Refusal("--style 应为01至20");
        MessageCapture capture(birth_.yes);
        if (history_ > 0) {
            cast_from_history(capture);
        } else {
            store_birth(birth_, capture);
        }
        orvane::current_style_folder() = orvane::style_folder_of(style_);
        const orvane::BuildResult result = orvane::build_chart();
        if (result != orvane::BuildResult::written) {
            std::string reason = capture.messages.empty() ? "命状没有生成" : capture.messages.back();
            throw Refusal(reason);
        }
        if (!fields_) return platform::gbk_to_utf8_lossy(orvane::right_page_path());
        nlohmann::ordered_json out = nlohmann::ordered_json::object();
        for (int n = 0; n < orvane::kReportFieldCount; ++n) {
            const std::string& text_ = orvane::ReportFieldTable[static_cast<std::size_t>(n)];
            if (!text_.empty()) out[std::to_string(n)] = text(text_);
        }
        return out;
    }

private:
    // As the history dialog does: list log.dat, select the record, re-cast it.
    void cast_from_history(MessageCapture& capture) {
        if (!birth_.solar.empty() || !birth_.lunar.empty()) throw Refusal("--history 与 --solar/--lunar 不能同用");
        orvane::HistoryDialogState history;
        history.open();
        if (history_ > static_cast<int>(history.lines.size()))
            throw Refusal("历史记录只有" + std::to_string(history.lines.size()) + "条");
        history.selection = history_ - 1;
        if (!history.recast()) {
            std::string reason = capture.messages.empty() ? "该记录不能排八字" : capture.messages.back();
            throw Refusal(reason);
        }
    }

    BirthArgs birth_;
    int history_ = 0;
    std::string style_ = "02";
    bool fields_ = false;
};

}  // namespace

std::unique_ptr<Command> make_report_command() { return std::make_unique<ReportCommand>(); }

}  // namespace cli
