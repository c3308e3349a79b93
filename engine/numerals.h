// 中文数字 — integers written in Chinese characters for the report.
#pragma once

#include <string>

namespace orvane {

// kind 0: plain number 0–99; 1: year digit by digit 1900–2050; 2: lunar month
// 1–12 (1 is 正); 3: lunar day 1–31 (初一 … 初十); 4: plain number 1–12.
// A value outside its kind's range gives the kind's error token (num2ccbug01 …).
std::string num2cc(int value, int kind);

// num2cc, except that kind 2 also accepts the leap codes 22–30 (闰二 … 闰十).
std::string num2cc_leap(int value, int kind);

}  // namespace orvane
