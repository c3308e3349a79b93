// 出生地经纬度表 — the table's layout, its fixed rows and the lookups over it.
#include "engine/city_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/gbk_assert.h"

namespace orvane {
namespace {

using Pair = std::pair<std::string, std::string>;

std::size_t index_of(const CityEntry* entry) {
    return static_cast<std::size_t>(entry - CityTable.data());
}

// Runs of equal province names from entry 1 on, as (province, length).
std::vector<std::pair<std::string, int>> province_runs() {
    std::vector<std::pair<std::string, int>> runs;
    for (std::size_t i = 1; i < CityTable.size(); ++i) {
        if (runs.empty() || runs.back().first != CityTable[i].province) {
            runs.emplace_back(CityTable[i].province, 0);
        }
        ++runs.back().second;
    }
    return runs;
}

bool has_decimals(float value, int decimals) {
    const double scaled = static_cast<double>(value) * std::pow(10.0, decimals);
    return std::fabs(scaled - std::round(scaled)) < 1e-3;
}

TEST(CityTableLayout, HeaderIsNoPlace) {
    EXPECT_GBK_EQ("", CityTable[0].province);
    EXPECT_GBK_EQ("City", CityTable[0].city);
    EXPECT_EQ(0.0f, CityTable[0].longitude);
    EXPECT_EQ(0.0f, CityTable[0].latitude);
}

TEST(CityTableLayout, ProvincesComeInBlocksOfTheirCounts) {
    const std::vector<std::pair<std::string, int>> expected = {
        {"安徽", 76}, {"北京", 18}, {"福建", 67}, {"甘肃", 83}, {"广东", 98}, {"广西", 89},
        {"贵州", 81}, {"海南", 19}, {"河北", 147}, {"河南", 121}, {"黑龙江", 78},
        {"湖北", 74}, {"湖南", 94}, {"吉林", 49}, {"江苏", 76}, {"江西", 88}, {"辽宁", 52},
        {"内蒙古", 89}, {"宁夏", 21}, {"青海", 38}, {"山东", 109}, {"山西", 106},
        {"陕西", 95}, {"上海", 6}, {"四川", 155}, {"台湾", 20}, {"天津", 12}, {"西藏", 78},
        {"新疆", 86}, {"云南", 128}, {"浙江", 72}, {"重庆", 37}, {"香港", 18}, {"澳门", 1},
        // added at the end
        {"上海", 14}, {"重庆", 4}, {"云南", 1},
    };
    const auto runs = province_runs();
    ASSERT_EQ(expected.size(), runs.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_GBK_EQ(expected[i].first, runs[i].first) << "block " << i;
        EXPECT_EQ(expected[i].second, runs[i].second) << testsupport::readable(runs[i].first);
    }
}

TEST(CityTableLayout, QuotedRowsSitAtTheirIndexes) {
    struct Row {
        std::size_t index;
        const char* province;
        const char* city;
        float longitude;
        float latitude;
    };
    const Row rows[] = {
        {1, "安徽", "安庆", 117.03f, 30.52f},
        {266, "广东", "广州", 113.23f, 23.16f},
        {840, "黑龙江", "漠河", 122.37f, 53.48f},
        {2109, "新疆", "乌鲁木齐", 87.68f, 43.77f},
        {2381, "澳门", "特别行政区", 113.5f, 22.2f},
        {2400, "云南", "丽江", 100.2f, 27.1f},
    };
    for (const Row& row : rows) {
        const CityEntry& entry = CityTable[row.index];
        EXPECT_GBK_EQ(row.province, entry.province) << "row " << row.index;
        EXPECT_GBK_EQ(row.city, entry.city) << "row " << row.index;
        EXPECT_EQ(row.longitude, entry.longitude) << "row " << row.index;
        EXPECT_EQ(row.latitude, entry.latitude) << "row " << row.index;
    }
}

TEST(CityTableLayout, BeijingDistrictsCarryOneDecimal) {
    const CityEntry* chaoyang = find_place("北京", "朝阳区");
    ASSERT_NE(nullptr, chaoyang);
    EXPECT_EQ(116.4f, chaoyang->longitude);
    EXPECT_EQ(39.8f, chaoyang->latitude);
    for (const CityEntry* place : places_of("北京")) {
        EXPECT_TRUE(has_decimals(place->longitude, 1)) << testsupport::readable(place->city);
        EXPECT_TRUE(has_decimals(place->latitude, 1)) << testsupport::readable(place->city);
    }
}

TEST(CityTableLayout, MacauIsOneEntry) {
    const auto macau = places_of("澳门");
    ASSERT_EQ(1u, macau.size());
    EXPECT_GBK_EQ("特别行政区", macau[0]->city);
}

TEST(CityTableCoordinates, StayWithinTheTablesBoundsAndReachThem) {
    float west = 1000, east = -1000, south = 1000, north = -1000;
    for (std::size_t i = 1; i < CityTable.size(); ++i) {
        const CityEntry& e = CityTable[i];
        west = std::min(west, e.longitude);
        east = std::max(east, e.longitude);
        south = std::min(south, e.latitude);
        north = std::max(north, e.latitude);
    }
    EXPECT_EQ(75.18f, west);
    EXPECT_EQ(134.15f, east);
    EXPECT_EQ(17.49f, south);
    EXPECT_EQ(53.48f, north);
}

TEST(CityTableCoordinates, HaveAtMostTwoDecimals) {
    for (std::size_t i = 1; i < CityTable.size(); ++i) {
        EXPECT_TRUE(has_decimals(CityTable[i].longitude, 2)) << "row " << i;
        EXPECT_TRUE(has_decimals(CityTable[i].latitude, 2)) << "row " << i;
    }
}

TEST(CityTableNames, OnlyTheFiveKnownPairsRepeat) {
    std::map<Pair, int> seen;
    for (std::size_t i = 1; i < CityTable.size(); ++i) {
        EXPECT_STRNE("", CityTable[i].city) << "row " << i;
        ++seen[{CityTable[i].province, CityTable[i].city}];
    }
    const std::set<Pair> repeated = {
        {"河北", "承德"}, {"吉林", "通化"}, {"江西", "九江"}, {"江西", "南昌"},
        {"内蒙古", "科尔沁左翼中旗"},
    };
    for (const auto& [pair, count] : seen) {
        EXPECT_EQ(repeated.count(pair) ? 2 : 1, count)
            << testsupport::readable(pair.first) << " " << testsupport::readable(pair.second);
    }
    for (const Pair& pair : repeated) EXPECT_EQ(1u, seen.count(pair));
}

TEST(ProvinceNames, AreTheDialogListInItsOrder) {
    const auto& names = province_names();
    EXPECT_GBK_EQ("广东", names.front());
    EXPECT_GBK_EQ("北京", names[1]);
    EXPECT_GBK_EQ("上海", names[2]);
    EXPECT_GBK_EQ("黑龙江", names[11]);
    EXPECT_GBK_EQ("内蒙古", names[28]);
    EXPECT_GBK_EQ("澳门", names.back());
}

TEST(ProvinceNames, NameExactlyTheProvincesOfTheTable) {
    const auto& names = province_names();
    const std::set<std::string> listed(names.begin(), names.end());
    EXPECT_EQ(kProvinceCount, listed.size()) << "a name is listed twice";
    std::set<std::string> inTable;
    for (std::size_t i = 1; i < CityTable.size(); ++i) inTable.insert(CityTable[i].province);
    EXPECT_EQ(listed, inTable);
}

TEST(PlacesOf, GivesEveryPlaceOfTheProvinceInTableOrder) {
    const auto shanghai = places_of("上海");
    ASSERT_EQ(20u, shanghai.size());
    EXPECT_EQ(1769u, index_of(shanghai.front()));
    EXPECT_EQ(2395u, index_of(shanghai.back()));
    EXPECT_TRUE(std::is_sorted(shanghai.begin(), shanghai.end()));
    for (const CityEntry* place : shanghai) EXPECT_GBK_EQ("上海", place->province);

    EXPECT_EQ(41u, places_of("重庆").size());
    EXPECT_EQ(129u, places_of("云南").size());
    EXPECT_EQ(2400u, index_of(places_of("云南").back()));
}

TEST(PlacesOf, CoversTheWholeTableExceptTheHeader) {
    std::size_t total = 0;
    for (const char* province : province_names()) {
        const auto places = places_of(province);
        EXPECT_FALSE(places.empty()) << testsupport::readable(province);
        for (const CityEntry* place : places) EXPECT_NE(0u, index_of(place));
        total += places.size();
    }
    EXPECT_EQ(kCityTableSize - 1, total);
}

TEST(PlacesOf, HeaderAndUnknownNamesGiveNothing) {
    EXPECT_TRUE(places_of("").empty());
    EXPECT_TRUE(places_of("City").empty());
    EXPECT_TRUE(places_of("黑龙").empty());
    EXPECT_TRUE(places_of("火星").empty());
}

TEST(FindPlace, MoheIsTheNorthernmostPlace) {
    const CityEntry* mohe = find_place("黑龙江", "漠河");
    ASSERT_NE(nullptr, mohe);
    EXPECT_EQ(840u, index_of(mohe));
    EXPECT_EQ(122.37f, mohe->longitude);
    EXPECT_EQ(53.48f, mohe->latitude);
}

TEST(FindPlace, RepeatedPairsResolveToTheirFirstOccurrence) {
    const Pair repeated[] = {
        {"河北", "承德"}, {"吉林", "通化"}, {"江西", "九江"}, {"江西", "南昌"},
        {"内蒙古", "科尔沁左翼中旗"},
    };
    for (const auto& [province, city] : repeated) {
        std::vector<std::size_t> rows;
        for (std::size_t i = 1; i < CityTable.size(); ++i) {
            if (province == CityTable[i].province && city == CityTable[i].city) rows.push_back(i);
        }
        ASSERT_EQ(2u, rows.size()) << testsupport::readable(city);
        const CityEntry* found = find_place(province, city);
        ASSERT_NE(nullptr, found);
        EXPECT_EQ(rows[0], index_of(found)) << testsupport::readable(city);
    }
    // 南昌 the city and 南昌 the county lie apart; the city is the one found.
    const auto nanchang = places_of("江西");
    const auto second = std::find_if(nanchang.rbegin(), nanchang.rend(), [](const CityEntry* e) {
        return std::string(e->city) == "南昌";
    });
    const CityEntry* first = find_place("江西", "南昌");
    EXPECT_NE(first, *second);
    EXPECT_NE(std::make_pair(first->longitude, first->latitude),
              std::make_pair((*second)->longitude, (*second)->latitude));
}

TEST(FindPlace, EveryPlaceIsFoundAtItsOwnRowOrAnEarlierTwin) {
    for (std::size_t i = 1; i < CityTable.size(); ++i) {
        const CityEntry* found = find_place(CityTable[i].province, CityTable[i].city);
        ASSERT_NE(nullptr, found) << "row " << i;
        EXPECT_LE(index_of(found), i);
        EXPECT_STREQ(CityTable[i].province, found->province);
        EXPECT_STREQ(CityTable[i].city, found->city);
    }
}

TEST(FindPlace, NeverFindsTheHeader) {
    EXPECT_EQ(nullptr, find_place("", "City"));
    EXPECT_EQ(nullptr, find_place("", ""));
}

TEST(FindPlace, MissingPairsFindNothing) {
    EXPECT_EQ(nullptr, find_place("北京", "安庆"));   // a place of another province
    EXPECT_EQ(nullptr, find_place("安徽", "安"));     // names match whole, not by prefix
    EXPECT_EQ(nullptr, find_place("安徽", "安庆 "));
    EXPECT_EQ(nullptr, find_place("安", "安庆"));
    EXPECT_EQ(nullptr, find_place("火星", "奥林匹斯"));
}

}  // namespace
}  // namespace orvane
