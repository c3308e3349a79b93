// 农历小图: the lunar day or month beside each day number, drawn from its characters.
#pragma once

#include <wx/dc.h>

#include <string>

namespace deskcal {

// The image area of a cell, relative to the cell's top-left corner.
inline constexpr int kLunarImageLeft = 18;
inline constexpr int kLunarImageTop = 0;
inline constexpr int kLunarImageWidth = 13;
inline constexpr int kLunarImageHeight = 20;

// Draws the characters of `gbkText` (正月, 初二, 十一月 …) one above the other,
// centred in `area`, in the largest pixel size that fits.
void draw_lunar_image(wxDC& dc, const std::string& gbkText, const wxRect& area, const wxColour& ink);

}  // namespace deskcal
