// 三命通会日时断 — judgements on the day pillar meeting the hour pillar.
#pragma once

#include <string>

namespace orvane {

inline constexpr int kDayHourRows = 960;  // rows 1 … 960

// Key of row 1 … 960 (GBK); rows 1 … 120 carry none and give empty text.
std::string str_RiShiDuan_DateTime(int row);

// Text of row 1 … 960 (GBK): general verses in 1 … 120, commentaries after.
std::string str_RiShiDuan_Shi(int row);

// Text of the first row whose key equals `key` byte for byte; empty when none.
std::string lookup_day_hour_text(const std::string& key);

// Fields 4001 … 4010 from the chart's day and hour pillars.
void write_day_hour_fields();

}  // namespace orvane
