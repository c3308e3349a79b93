#include "app/birth_entry.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "engine/birth_data.h"
#include "engine/chart_state.h"
#include "engine/date_validation.h"
#include "engine/lunar_calendar.h"
#include "platform/encoding.h"
#include "platform/message.h"

namespace orvane {

namespace {

// A coordinate as the dialog shows it: two decimals, no trailing zeros past one.
std::string coordinate_text(double degrees) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", degrees);
    std::string s = text;
    if (s.size() > 1 && s.back() == '0') s.pop_back();
    return s;
}

// A typed number; nothing for empty text or text that is not wholly a number.
std::optional<double> typed_number(const std::string& text) {
    const char* begin = text.c_str();
    while (*begin == ' ') ++begin;
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (end == begin) return std::nullopt;
    while (*end == ' ') ++end;
    if (*end != '\0' || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

BirthEntry new_birth_entry() { return BirthEntry{}; }

BirthEntry birth_entry_from_chart(bool trueSolarTime) {
    BirthEntry entry;
    entry.nameText = chart.personName;
    entry.calendarIndex = chart.solarInput ? 1 : 0;
    entry.sexIndex = chart.sexFlag == 1 ? 0 : 1;
    if (entry.lunar()) {
        entry.yearIndex = chart.lunarYear - kFirstListedYear;
        entry.monthIndex = base_month(chart.lunarMonthCode) - 1;
        entry.leap = is_leap_code(chart.lunarMonthCode);
        entry.dayIndex = chart.lunarDay - 1;
    } else {
        entry.yearIndex = chart.solarYear - kFirstListedYear;
        entry.monthIndex = chart.solarMonth - 1;
        entry.dayIndex = chart.solarDay - 1;
    }
    entry.hourIndex = chart.birthHour;
    entry.minuteIndex = chart.birthMinute;
    if (trueSolarTime && !chart.birthZone.empty()) {
        entry.abroad = true;
        entry.longitudeText = coordinate_text(chart.enteredLongitude);
        entry.latitudeText = coordinate_text(chart.enteredLatitude);
        entry.zoneText = chart.birthZone;
    } else if (trueSolarTime && !chart.birthProvince.empty()) {
        entry.provinceText = chart.birthProvince;
        entry.cityText = chart.birthCity;
    }
    return entry;
}

void choose_abroad(BirthEntry& entry, bool abroad) { entry.abroad = abroad; }

std::vector<const ZoneEntry*> search_zones(std::string_view query) { return find_zones(query); }

std::string zone_list_text(const ZoneEntry& zone) { return zone.zone + "  " + zone.city + " (" + zone.countries + ")"; }

void choose_zone(BirthEntry& entry, const ZoneEntry& zone) {
    entry.zoneText = zone.zone;
    if (entry.longitudeText.empty() && entry.latitudeText.empty()) {
        entry.longitudeText = coordinate_text(zone.longitude);
        entry.latitudeText = coordinate_text(zone.latitude);
    }
}

void choose_calendar(BirthEntry& entry, int calendarIndex) {
    entry.calendarIndex = calendarIndex;
    entry.dayIndex = -1;
}

void choose_province(BirthEntry& entry, const std::string& province) {
    entry.provinceText = province;
    entry.cityText.clear();
}

std::string clip_name(const std::string& gbk) { return std::string(platform::gbk_prefix(gbk, kPersonNameBytes)); }

const char* help_text(BirthField field) {
    switch (field) {
    case BirthField::calendar: return "选择使用农历还是公历输入出生时间，本项必须选择。";
    case BirthField::name: return "命主姓名，本项可以不填。";
    case BirthField::place:
        return "选择命主出生的地方。海外出生用当地时间，选择地点为北京。采用真天文时间计算出生时间，本项必须选择。";
    case BirthField::year: return "选择命主出生的年份。本项必须选择。";
    case BirthField::month: return "选择命主出生的月份。本项必须选择。";
    case BirthField::leap: return "命主是否在农历的闰月出生。";
    case BirthField::day: return "选择命主出生的日期。本项必须选择。";
    case BirthField::hour:
        return "选择命主出生时间的小时(北京时间)，如果不知道具体时间，可以选择大约数。本项必须选择。";
    case BirthField::minute:
        return "选择命主出生时间的分钟(北京时间)，如果不知道具体时间，可以选择大约数。本项必须选择。";
    case BirthField::sex: return "选择命主的性别。本项必须选择。";
    case BirthField::coordinates:
        return "出生地不在列表中（如海外）时填写其经纬度：东经、北纬为正，西经、南纬为负，单位为度。";
    case BirthField::zone:
        return "选择出生地所在的时区，可输入城市或时区名查找。出生时间按当地钟表时间输入，夏令时自动扣除。";
    }
    return "";
}

std::string missing_selection(const BirthEntry& entry, bool trueSolarTime) {
    if (entry.yearIndex < 0) return "<年> 没有选择";
    if (entry.monthIndex < 0) return "<月> 没有选择";
    if (entry.dayIndex < 0) return "<日> 没有选择";
    if (entry.hourIndex < 0) return "<小时> 没有选择";
    if (entry.minuteIndex < 0) return "<分钟> 没有选择";
    if (trueSolarTime && entry.abroad) {
        if (entry.longitudeText.empty()) return "<经度> 未填写";
        if (entry.latitudeText.empty()) return "<纬度> 未填写";
        if (entry.zoneText.empty()) return "<时区> 未选择";
    } else if (trueSolarTime) {
        if (entry.provinceText.empty()) return "<出生地点-省> 未选择";
        if (entry.cityText.empty()) return "<出生地点-市> 未选择";
    }
    return {};
}

std::string abroad_place_problem(const BirthEntry& entry) {
    const auto longitude = typed_number(entry.longitudeText);
    if (!longitude) return "经度应为数字，例如-74.0";
    const auto latitude = typed_number(entry.latitudeText);
    if (!latitude) return "纬度应为数字，例如40.7";
    return entered_place_problem(*longitude, *latitude, entry.zoneText).value_or("");
}

namespace {

void store_date(const BirthEntry& entry) {
    if (entry.lunar()) {
        chart.solarInput = 0;
        chart.lunarYear = entry.yearIndex + kFirstListedYear;
        chart.leapMonth = entry.leap ? 1 : 0;
        chart.lunarMonthCode = entry.monthIndex + 1;
        chart.lunarDay = entry.dayIndex + 1;
    } else {
        chart.solarInput = 1;
        chart.leapMonth = 0;  // set again below when the date falls in a leap month
        chart.solarYear = entry.yearIndex + kFirstListedYear;
        chart.solarMonth = entry.monthIndex + 1;
        chart.solarDay = entry.dayIndex + 1;
    }
    // Validation reads the entered time too (the first spring of 1900).
    chart.birthHour = entry.hourIndex;
    chart.birthMinute = entry.minuteIndex;
}

}  // namespace

bool accept_birth_entry(const BirthEntry& entry, bool trueSolarTime) {
    const std::string missing = missing_selection(entry, trueSolarTime);
    if (!missing.empty()) {
        platform::show_message(missing);
        return false;
    }
    if (trueSolarTime && entry.abroad) {
        const std::string problem = abroad_place_problem(entry);
        if (!problem.empty()) {
            platform::show_message(problem);
            return false;
        }
    }
    store_date(entry);
    chart.currentLunarYear = currentLunarYear();
    if (!validate_birth_date()) return false;

    if (!complete_birth_data()) {
        platform::show_message("日期超出农历表的范围");
        return false;
    }
    chart.personName = clip_name(entry.nameText);
    chart.sexFlag = entry.sexIndex == 0 ? 1 : 0;
    chart.birthProvince.clear();
    chart.birthCity.clear();
    chart.birthZone.clear();
    chart.enteredLongitude = chart.enteredLatitude = 0.0f;
    if (trueSolarTime && entry.abroad) {
        chart.birthZone = entry.zoneText;
        chart.enteredLongitude = static_cast<float>(typed_number(entry.longitudeText).value_or(0.0));
        chart.enteredLatitude = static_cast<float>(typed_number(entry.latitudeText).value_or(0.0));
    } else if (trueSolarTime) {
        chart.birthProvince = entry.provinceText;
        chart.birthCity = entry.cityText;
    }
    return true;
}

}  // namespace orvane
