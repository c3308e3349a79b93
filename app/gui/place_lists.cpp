#include "app/gui/place_lists.h"

#include <algorithm>

#include "engine/city_table.h"
#include "app/gui/gbk.h"

namespace orvane::gui {
namespace {

wxArrayString list_items(const std::vector<std::string>& gbkNames) {
    wxArrayString items;
    for (const std::string& name : gbkNames) items.Add(from_gbk(name));
    return items;
}

}  // namespace

std::vector<std::string> in_gbk_order(std::vector<std::string> names) {
    // std::string compares its bytes as unsigned: the code page's order.
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

wxArrayString province_items() {
    const auto& provinces = province_names();
    return list_items(in_gbk_order({provinces.begin(), provinces.end()}));
}

wxArrayString city_items(const std::string& gbkProvince) {
    std::vector<std::string> names;
    for (const CityEntry* place : places_of(gbkProvince)) names.emplace_back(place->city);
    return list_items(in_gbk_order(std::move(names)));
}

}  // namespace orvane::gui
