// history list | history delete N [--yes]: the history dialog without its
// window. The list prints one JSON line per listed record, in the dialog's
// order; a deletion selects line N (from 1) of that list and deletes it as the
// dialog's "删除" does, asking first.
#include "cli/history_command.h"

#include "app/history.h"
#include "app/history_record.h"
#include "cli/birth_args.h"
#include "cli/cli_support.h"
#include "engine/lunar_calendar.h"

namespace cli {
namespace {

// A listed line by the names of the birth data it stores; a line that does not
// read as a record gives only its number and text.
nlohmann::ordered_json record_json(std::size_t n, const std::string& line) {
    nlohmann::ordered_json out;
    out["n"] = n;
    if (const auto record = orvane::parse_history_line(line)) {
        out["personName"] = text(record->personName);
        out["solarInput"] = record->solarInput;
        if (record->solarInput == 1) {
            out["solarYear"] = record->year;
            out["solarMonth"] = record->month;
            out["solarDay"] = record->day;
        } else {
            out["lunarYear"] = record->year;
            out["lunarMonthCode"] = record->month;
            out["lunarDay"] = record->day;
            out["leapMonth"] = orvane::is_leap_code(record->month) ? 1 : 0;
        }
        out["birthHour"] = record->birthHour;
        out["birthMinute"] = record->birthMinute;
        out["sexFlag"] = record->sexFlag;
        out["birthProvince"] = text(record->birthProvince);
        out["birthCity"] = text(record->birthCity);
        if (!record->birthZone.empty()) {
            out["birthZone"] = text(record->birthZone);
            out["enteredLongitude"] = record->longitude;
            out["enteredLatitude"] = record->latitude;
        }
    }
    out["line"] = text(line);
    return out;
}

class HistoryCommand : public Command {
public:
    void configure(CLI::App& app) override {
        app.add_option("action", action_, "list, or delete")->required()->check(CLI::IsMember({"list", "delete"}));
        app.add_option("n", n_, "delete: the number of the record in the list (1 = the oldest)");
        auto* yes = app.add_flag("--yes", yes_, "answer yes to the question before deleting");
        auto* no = app.add_flag("--no", no_, "answer no to it (default: nothing is deleted)");
        yes->excludes(no);
    }

    nlohmann::ordered_json run() override {
        MessageCapture capture(yes_);
        orvane::HistoryDialogState history;
        history.list();
        if (action_ == "list") {
            for (const std::string& m : capture.messages)
                if (m == orvane::kHistoryCannotOpen) throw Refusal(m);  // no list at all
            std::string out;
            for (std::size_t i = 0; i < history.lines.size(); ++i)
                out += (i ? "\n" : "") + dump_json(record_json(i + 1, history.lines[i]));
            return out;
        }
        if (n_ < 1) throw Refusal("history delete 需要记录序号N（从1起）");
        if (n_ > static_cast<int>(history.lines.size()))
            throw Refusal("历史记录只有" + std::to_string(history.lines.size()) + "条");
        history.selection = n_ - 1;
        const std::string line = history.lines[static_cast<std::size_t>(history.selection)];
        const std::size_t shown = capture.messages.size();
        if (!history.remove()) {
            // The dialog's own message when it gave one; else the question was answered no.
            if (capture.messages.size() > shown + 1) throw Refusal(capture.messages.back());
            throw Refusal("没有删除记录（未确认，确认删除请加 --yes）");
        }
        nlohmann::ordered_json out = record_json(static_cast<std::size_t>(n_), line);
        out["deleted"] = true;
        return out;
    }

    void reset() override {
        action_.clear();
        n_ = 0;
        yes_ = no_ = false;
    }

private:
    std::string action_;
    int n_ = 0;
    bool yes_ = false;
    bool no_ = false;
};

}  // namespace

std::unique_ptr<Command> make_history_command() { return std::make_unique<HistoryCommand>(); }

}  // namespace cli
