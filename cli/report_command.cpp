// report BIRTH [--style NN] [--fields]: the whole chart command sequence
// without a window; writes right.htm into the style folder. With --out-dir (in
// a batch), the page of line n goes to DIR/NNNNNN.htm instead.
#include "cli/chart_commands.h"

#include "app/build_chart.h"
#include "app/history.h"
#include "cli/birth_args.h"
#include "cli/cli_support.h"
#include "platform/encoding.h"
#include "platform/files.h"
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
        app.add_option("--out-dir", outDir_, "with --batch: write the page of line n as DIR/NNNNNN.htm");
    }

    void reset() override {
        birth_ = BirthArgs{};
        history_ = 0;
        style_ = "02";
        fields_ = false;
        outDir_.clear();
    }

    void set_batch_line(int line) override { line_ = line; }

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
        if (!outDir_.empty()) return write_into_out_dir();
        const orvane::BuildResult result = orvane::build_chart();
        if (result != orvane::BuildResult::written) {
            std::string reason = capture.messages.empty() ? "命状没有生成" : capture.messages.back();
            throw Refusal(reason);
        }
        if (!fields_) return platform::gbk_to_utf8_lossy(orvane::right_page_path());
        return written_fields();
    }

private:
    // The page of this batch line as DIR/NNNNNN.htm, atomically: a failed write
    // leaves no file behind.
    nlohmann::ordered_json write_into_out_dir() {
        if (line_ < 1) throw Refusal("--out-dir 只用于 --batch");
        orvane::BuildObserver headless;
        static std::string page;  // reused from line to line
        if (orvane::build_chart_page(headless, page) != orvane::BuildResult::written) throw Refusal("命状没有生成");
        char name[16];
        std::snprintf(name, sizeof name, "/%06d.htm", line_);
        const std::string path = outDir_ + name;
        if (!platform::write_file_atomic(path, page, platform::Durability::regenerable))
            throw Refusal("不能写入命状文件：" + to_gbk(path));
        nlohmann::ordered_json out;
        out["line"] = line_;
        out["path"] = path;
        if (fields_) out["fields"] = written_fields();
        return out;
    }

    // Every non-empty report field, by its number.
    static nlohmann::ordered_json written_fields() {
        nlohmann::ordered_json out = nlohmann::ordered_json::object();
        for (int n = 0; n < orvane::kReportFieldCount; ++n) {
            const std::string& field = orvane::ReportFieldTable[static_cast<std::size_t>(n)];
            if (!field.empty()) out[std::to_string(n)] = text(field);
        }
        return out;
    }

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
    std::string outDir_;
    int line_ = 0;
};

}  // namespace

std::unique_ptr<Command> make_report_command() { return std::make_unique<ReportCommand>(); }

}  // namespace cli
