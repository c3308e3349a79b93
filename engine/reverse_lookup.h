// 反推八字 — from four given pillars back to the date and two-hour period that
// carry them: the search within one solar year, and the state and rules of the
// lookup dialog without its window. Solar years 1900 … 2020.
#pragma once

#include <string>
#include <vector>

#include "engine/birth_range.h"
#include "engine/gregorian.h"
#include "engine/lunar_calendar.h"

namespace orvane {

inline constexpr int kReverseFirstYear = kFirstBirthYear;
inline constexpr int kReverseLastYear = kLastBirthYear;

// The years of kReverseFirstYear … kReverseLastYear whose year pillar (from 立春)
// is the given one, oldest first.
std::vector<int> years_of_pillar(int yearPillar);

// The six branches of a stem's polarity: 子 寅 辰 午 申 戌 for yang stems.
std::vector<int> branches_of_polarity(int stem);

// The 12 month pillars of a year stem from its 寅 month (甲 and 己 years from 丙寅).
std::vector<int> month_pillars_of_year_stem(int stem);

// The 12 hour pillars of a day stem from its 子 hour (甲 and 己 days from 甲子).
std::vector<int> hour_pillars_of_day_stem(int stem);

// The outcome of a search: the date and period, or the text that refuses them.
struct ReverseMatch {
    bool found = false;
    std::string refusal;  // "该月不存在这个日柱" or "该日是节候日，不存在这个时柱"
    LunarDate lunar;
    SolarDate solar;
    int hourBranch = 0;  // [1, 12]
};

// The day with day pillar dayPillar in the solar month of monthPillar of solar
// year `year` (the month between its opening and its closing 节), and the period
// of hourPillar on it. On the day of a 节 only the periods on the month's side
// of the term are offered, the term's own period on either day; when the
// opening 节 falls at 23:xx its day offers none.
ReverseMatch reverse_search(int year, int monthPillar, int dayPillar, int hourPillar);

// "公历：%d年%d月%d日%d时", CR, "农历：%s年%s月%s日%s时": the solar date with the
// first hour of the period, the lunar date in Chinese numerals and the branch.
std::string reverse_result_text(const ReverseMatch& match);

// What the result text shows before the first search.
inline constexpr const char* kReversePlaceholder = "公历：0000年00月00日00时\r农历：0000年00月00日00时";

// The state of the dialog "反推八字(四柱干支输入方式)": seven lists, the sex
// buttons, the result text and the "批命" button. The lists hold GBK texts; a
// choice is given as the chosen text.
class ReverseLookupState {
public:
    struct combo_of {
        std::vector<std::string> items;
        std::string selected;  // empty: nothing chosen
        bool enabled = false;
    };

    ReverseLookupState();

    // Each returns false, changing nothing, when the list is disabled or the
    // text is not one of its items. The year branch takes any text: a pair of
    // different polarity shows "年干支字符有错" and fills nothing.
    bool chooseYearStem(const std::string& stem);
    bool chooseYearBranch(const std::string& branch);
    bool chooseMonthPillar(const std::string& pillar);
    bool chooseDayStem(const std::string& stem);
    bool chooseDayBranch(const std::string& branch);
    bool chooseHourPillar(const std::string& pillar);
    bool chooseYear(const std::string& year);
    void chooseSex(bool male);

    // "批命": true when a found date stands; the chart record then holds it
    // with the sex now chosen.
    bool confirm();

    const combo_of& yearStems() const { return yearStem_; }
    const combo_of& yearBranches() const { return yearBranch_; }
    const combo_of& monthPillars() const { return monthPillar_; }
    const combo_of& dayStems() const { return dayStem_; }
    const combo_of& dayBranches() const { return dayBranch_; }
    const combo_of& hourPillars() const { return hourPillar_; }
    const combo_of& years() const { return year_; }
    bool male() const { return male_; }
    const std::string& resultText() const { return resultText_; }
    bool confirmEnabled() const { return confirmEnabled_; }

private:
    void searchWhenComplete();
    void storeBirth(const ReverseMatch& match);

    combo_of yearStem_, yearBranch_, monthPillar_, dayStem_, dayBranch_, hourPillar_, year_;
    bool male_ = true;
    std::string resultText_ = kReversePlaceholder;
    bool confirmEnabled_ = false;
};

inline constexpr const char* kYearPillarMismatch = "年干支字符有错";

}  // namespace orvane
