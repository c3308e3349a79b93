// 出生地经纬度表 — lookups over the built-in birth places.
#include "engine/city_table.h"

namespace orvane {

namespace {

// The header row has an empty province and is no place: nothing matches it.
bool in_province(const CityEntry& entry, std::string_view province) {
    return !province.empty() && province == entry.province;
}

}  // namespace

const std::array<const char*, kProvinceCount>& province_names() {
    static const std::array<const char*, kProvinceCount> names = {
        "广东", "北京", "上海", "天津", "重庆", "福建", "浙江", "江苏", "山东",
        "辽宁", "吉林", "黑龙江", "湖南", "湖北", "河南", "河北", "江西", "安徽",
        "山西", "陕西", "甘肃", "宁夏", "青海", "四川", "贵州", "云南", "广西",
        "海南", "内蒙古", "新疆", "西藏", "台湾", "香港", "澳门",
    };
    return names;
}

std::vector<const CityEntry*> places_of(std::string_view province) {
    std::vector<const CityEntry*> places;
    for (const CityEntry& entry : CityTable) {
        if (in_province(entry, province)) places.push_back(&entry);
    }
    return places;
}

const CityEntry* find_place(std::string_view province, std::string_view city) {
    for (const CityEntry& entry : CityTable) {
        if (in_province(entry, province) && city == entry.city) return &entry;
    }
    return nullptr;
}

}  // namespace orvane
