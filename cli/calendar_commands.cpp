// lunar, solar and terms: the calendar conversions and the solar-term table.
#include "cli/calendar_commands.h"

#include "cli/cli_support.h"
#include "engine/calendar_tables.h"
#include "engine/gregorian.h"
#include "engine/lunar_calendar.h"

namespace cli {
namespace {

// The lunar years of the tables, as the refusals name them.
std::string table_range() {
    return "农历" + std::to_string(orvane::kTableFirstYear) + "-" + std::to_string(orvane::kTableLastYear) + "年";
}

class LunarCommand : public WritingCommand {
public:
    void configure(CLI::App& app) override {
        app.add_option("date", date_, "solar date YYYY-MM-DD")->required();
    }

    void write_json(JsonWriter& out) override {
        orvane::SolarDate solar = parse_date(date_);
        auto lunar = orvane::lunar_date_of_solar(solar);
        if (!lunar) throw Refusal("日期不存在或超出农历表的范围（" + table_range() + "）：" + to_gbk(date_));
        out.begin_object();
        out.member("lunarYear", lunar->year);
        out.member("lunarMonthCode", lunar->monthCode);
        out.member("lunarDay", lunar->day);
        out.member("leapMonth", orvane::is_leap_code(lunar->monthCode) ? 1 : 0);
        out.member("weekday", orvane::weekday(solar.year, solar.month, solar.day));
        out.end_object();
    }

private:
    std::string date_;
};

class SolarCommand : public Command {
public:
    void configure(CLI::App& app) override {
        app.add_option("date", date_, "lunar date YYYY-MM-DD, month 1-12")->required();
        app.add_flag("--leap", leap_, "the month is the leap month");
    }

    nlohmann::ordered_json run() override {
        orvane::SolarDate parts = parse_date_fields(date_);
        orvane::LunarDate lunar{parts.year, parts.month + (leap_ ? 20 : 0), parts.day};
        auto solar = orvane::solar_date_of_lunar(lunar);
        if (!solar)
            throw Refusal("农历日期不存在或超出农历表的范围（" + table_range() + "）：" + to_gbk(date_) + (leap_ ? " 闰月" : ""));
        return {{"solarYear", solar->year}, {"solarMonth", solar->month}, {"solarDay", solar->day}};
    }

private:
    // A lunar date has the same shape, but a day 30 or a month's own length is
    // checked by the conversion, not by the Gregorian calendar.
    static orvane::SolarDate parse_date_fields(const std::string& text) {
        orvane::SolarDate shape = parse_date_shape(text);
        if (shape.month < 1 || shape.month > 12 || shape.day < 1 || shape.day > 30)
            throw Refusal("农历日期不存在：" + to_gbk(text));
        return shape;
    }

    std::string date_;
    bool leap_ = false;
};

class TermsCommand : public Command {
public:
    void configure(CLI::App& app) override { app.add_option("year", year_, "solar year YYYY")->required(); }

    nlohmann::ordered_json run() override {
        int year = parse_year(year_);
        const int lastYear = orvane::kTableLastYear - 1;  // the 小寒 closing a year needs the next one
        if (year < orvane::kTableFirstYear || year > lastYear)
            throw Refusal("年份应在1900-" + std::to_string(lastYear));
        nlohmann::ordered_json entries = nlohmann::ordered_json::array();
        for (int j = 1; j <= 12; ++j) {
            const int k = orvane::term_index(year, j);
            const orvane::SolarTermEntry& e = orvane::SolarTermTable[static_cast<size_t>(k)];
            entries.push_back({{"k", k},
                               {"termYear", e.termYear},
                               {"jieCode", e.jieCode},
                               {"jieHour", e.jieHour},
                               {"jieMinute", e.jieMinute},
                               {"qiCode", e.qiCode},
                               {"qiHour", e.qiHour},
                               {"qiMinute", e.qiMinute}});
        }
        return entries;
    }

private:
    std::string year_;
};

}  // namespace

std::unique_ptr<Command> make_lunar_command() { return std::make_unique<LunarCommand>(); }
std::unique_ptr<Command> make_solar_command() { return std::make_unique<SolarCommand>(); }
std::unique_ptr<Command> make_terms_command() { return std::make_unique<TermsCommand>(); }

}  // namespace cli
