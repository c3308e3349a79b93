#include "deskcal/gui/lunar_image.h"

#include <wx/font.h>

#include <algorithm>

#include "deskcal/gui/gbk_text.h"

namespace deskcal {

void draw_lunar_image(wxDC& dc, const std::string& gbkText, const wxRect& area, const wxColour& ink) {
    const wxString text = from_gbk(gbkText);
    const int count = static_cast<int>(text.length());
    if (count == 0) return;
    const int cell = std::min(area.width, area.height / count);
    dc.SetFont(wxFont(wxFontInfo(wxSize(0, cell)).Family(wxFONTFAMILY_SWISS).FaceName("Noto Sans CJK SC")));
    dc.SetTextForeground(ink);
    const int top = area.y + (area.height - cell * count) / 2;
    for (int i = 0; i < count; ++i) {
        const wxString glyph(text[i]);
        const wxSize extent = dc.GetTextExtent(glyph);
        const int x = area.x + (area.width - extent.x) / 2;
        const int y = top + i * cell + (cell - extent.y) / 2;
        dc.DrawText(glyph, x, y);
    }
}

}  // namespace deskcal
