// reverse: chooses the four pillars, the sex and the year in the reverse lookup
// as a user would in its dialog, and prints the result text with the birth data
// it stored. A search that finds nothing is refused with its result text.
#include "cli/reverse_command.h"

#include <algorithm>

#include "cli/birth_args.h"
#include "cli/chart_json.h"
#include "cli/cli_support.h"
#include "engine/chart_state.h"
#include "engine/reverse_lookup.h"

namespace cli {
namespace {

constexpr std::size_t kCharBytes = 2;  // one GBK character

struct Pillar {
    std::string stem, branch;
    std::string whole() const { return stem + branch; }
};

// "庚子,戊寅,甲子,甲子" as four pairs of GBK characters.
std::vector<Pillar> parse_pillars(const std::string& utf8) {
    const std::string gbk = to_gbk(utf8);
    std::vector<std::string> parts(1);
    for (char c : gbk) {
        if (c == ',')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    const bool pairs = std::all_of(parts.begin(), parts.end(), [](const std::string& s) { return s.size() == 2 * kCharBytes; });
    if (parts.size() != 4 || !pairs) throw Refusal("--pillars 应为四柱干支，以逗号分隔，例如庚子,戊寅,甲子,甲子");
    std::vector<Pillar> pillars;
    for (const auto& part : parts) pillars.push_back({part.substr(0, kCharBytes), part.substr(kCharBytes)});
    return pillars;
}

std::string offered(const orvane::ReverseLookupState::combo_of& list) {
    std::string text;
    for (const auto& item : list.items) text += (text.empty() ? "" : "、") + item;
    return text;
}

class ReverseCommand : public Command {
public:
    void configure(CLI::App& app) override {
        app.add_option("--pillars", pillars_, "year, month, day and hour pillars, e.g. 庚子,戊寅,甲子,甲子")->required();
        app.add_option("--year", year_, "the solar year (from 立春) of the year pillar")->required();
        app.add_option("--sex", sex_, "male or female (default male)")->check(CLI::IsMember({"male", "female"}));
    }

    nlohmann::ordered_json run() override {
        const std::vector<Pillar> p = parse_pillars(pillars_);
        const int year = parse_year(year_);
        MessageCapture capture(false);
        orvane::ReverseLookupState lookup;

        if (!lookup.chooseYearStem(p[0].stem)) throw Refusal("年柱不是干支：" + p[0].whole());
        if (!lookup.chooseYearBranch(p[0].branch))
            throw Refusal(capture.messages.empty() ? "年柱不是干支：" + p[0].whole() : capture.messages.back());
        if (!lookup.chooseDayStem(p[2].stem) || !lookup.chooseDayBranch(p[2].branch))
            throw Refusal("日柱不是干支：" + p[2].whole());
        lookup.chooseSex(sex_ != "female");
        if (!lookup.chooseMonthPillar(p[1].whole()))
            throw Refusal(p[0].stem + "年没有" + p[1].whole() + "月，可选：" + offered(lookup.monthPillars()));
        if (!lookup.chooseHourPillar(p[3].whole()))
            throw Refusal(p[2].stem + "日没有" + p[3].whole() + "时，可选：" + offered(lookup.hourPillars()));
        if (!lookup.chooseYear(std::to_string(year)))
            throw Refusal(std::to_string(year) + "年不是" + p[0].whole() + "年，可选：" + offered(lookup.years()));
        if (!lookup.confirm()) throw Refusal(lookup.resultText());

        nlohmann::ordered_json out;
        out["result"] = text(lookup.resultText());
        out.update(birth_data_json(orvane::chart));
        return out;
    }

private:
    std::string pillars_;
    std::string year_;
    std::string sex_ = "male";
};

}  // namespace

std::unique_ptr<Command> make_reverse_command() { return std::make_unique<ReverseCommand>(); }

}  // namespace cli
