// 命状字段图 — every block of report fields the producers write: its first field, its rows, the
// step from one row to the next and the fields written in each row. The producers take their
// field numbers from here; the template tests and tools/stylegen (which reads the rows of
// ReportFieldMap as they are written below) check that every style places every field.
#pragma once

#include <array>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace orvane {

struct FieldBlock {
    std::string_view name;
    int first;   // the first field of row 0
    int rows;    // [1, 80]
    int stride;  // fields from one row to the next
    int width;   // fields written in each row, from its first

    // Field `offset` [0, width) of row `row` [0, rows).
    constexpr int at(int row, int offset) const { return first + row * stride + offset; }
    constexpr int operator[](int offset) const { return first + offset; }
    constexpr int last() const { return at(rows - 1, width - 1); }
};

// In field order; one block per line, as {"name", first, rows, stride, width}.
inline constexpr std::array<FieldBlock, 34> ReportFieldMap = {{
    {"chartCode", 1, 1, 1, 1},
    {"personName", 101, 1, 1, 1},
    {"sex", 111, 1, 1, 1},
    {"birthPlace", 121, 1, 1, 7},          // province, city, longitude, latitude, sunrise branch, hemispheres
    {"birthTimes", 131, 1, 1, 17},         // entered date and time, weekday, corrections, solar time, daylight saving
    {"solarTerms", 151, 4, 10, 6},         // the four terms around the birth
    {"governingTerm", 187, 1, 1, 1},
    {"westernSign", 188, 1, 1, 1},
    {"termSpan", 189, 1, 1, 10},           // the two terms that bound the birth's span
    {"lunarBirthDate", 201, 1, 1, 4},
    {"pillarBlocks", 301, 6, 15, 15},      // year, month, day, hour, Life Palace, fetal origin
    {"luckStart", 401, 1, 1, 9},
    {"luckPeriods", 410, 8, 30, 23},
    {"strength", 701, 1, 1, 9},
    {"warmth", 711, 1, 1, 2},
    {"starCells", 801, 1, 1, 60},
    {"starList", 861, 1, 1, 1},
    {"annualTable", 901, 80, 10, 8},
    {"annualMonthly", 2001, 80, 20, 14},
    {"dayHour", 4001, 1, 1, 10},
    {"temperament", 4101, 1, 1, 13},       // ten sentences, the day stem, its element, its nature
    {"temperamentVotes", 4121, 1, 1, 2},
    {"boneWeight", 4401, 1, 1, 8},
    {"tenGodVerses", 4501, 1, 1, 8},       // year stem, year branch, month stem, month branch
    {"tenGodVersesLate", 4511, 1, 1, 6},   // day branch, hour stem, hour branch
    {"parents", 4521, 1, 1, 3},
    {"spouse", 4531, 1, 1, 3},
    {"tenGodVotes", 4541, 1, 1, 9},
    {"dayPillarNote", 4601, 1, 1, 3},
    {"luckOfMonths", 4700, 1, 1, 1},       // the message for a chart too young
    {"luckOfMonthRows", 4701, 12, 10, 9},
    {"castTime", 4901, 1, 1, 4},
    {"luckOfYears", 5001, 53, 10, 10},
    {"childhoodDangers", 5701, 1, 1, 1},
}};

// A new chart empties the fields up to here; the blocks from 5000 on are assigned whole
// by their producers on every chart.
inline constexpr int kLastFieldOfANewChart = 4999;
static_assert(kLastFieldOfANewChart < ReportFieldMap[32].first && ReportFieldMap[32].name == "luckOfYears");

// The block of that name; naming one that does not exist fails to compile where it is
// used as a constant.
constexpr const FieldBlock& field_block(std::string_view name) {
    for (const FieldBlock& block : ReportFieldMap)
        if (block.name == name) return block;
    throw std::invalid_argument("no such report field block");
}

// Every field of the map, in order.
std::vector<int> mapped_fields();

}  // namespace orvane
