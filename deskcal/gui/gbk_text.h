// GBK text to wx: every label of the desk calendar passes through here.
#pragma once

#include <wx/string.h>
#include <wx/strconv.h>

#include <string>

namespace deskcal {

inline wxString from_gbk(const std::string& gbk) { return wxString(gbk.c_str(), wxCSConv("GBK")); }

}  // namespace deskcal
