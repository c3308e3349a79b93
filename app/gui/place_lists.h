// 省市列表 — the province and city lists of the birth and place dialogs, in the
// order a list control of a Chinese system sorts them: the order of the GBK code
// page (pinyin order for the common characters).
#pragma once

#include <wx/arrstr.h>

#include <string>
#include <vector>

namespace orvane::gui {

// GBK names sorted by their bytes, each name once.
std::vector<std::string> in_gbk_order(std::vector<std::string> names);

// The 34 provinces.
wxArrayString province_items();
// The places of a province.
wxArrayString city_items(const std::string& gbkProvince);

}  // namespace orvane::gui
