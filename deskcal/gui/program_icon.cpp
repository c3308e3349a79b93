#include "deskcal/gui/program_icon.h"

#include <wx/dcmemory.h>
#include <wx/font.h>

#include "deskcal/gui/gbk_text.h"

namespace deskcal {

wxBitmap program_icon_bitmap(int size) {
    wxBitmap bitmap(size, size, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    const int band = size / 3;
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(wxColour(180, 70, 70)));
    dc.DrawRectangle(0, 0, size, band);
    dc.SetPen(wxPen(wxColour(120, 40, 40)));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(0, 0, size, size);
    dc.SetFont(wxFont(wxFontInfo(wxSize(0, size - band - 2)).Family(wxFONTFAMILY_SWISS)));
    dc.SetTextForeground(*wxBLACK);
    const wxString glyph = from_gbk("历");
    const wxSize extent = dc.GetTextExtent(glyph);
    dc.DrawText(glyph, (size - extent.x) / 2, band + (size - band - extent.y) / 2);
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

wxIcon program_icon(int size) {
    wxIcon icon;
    icon.CopyFromBitmap(program_icon_bitmap(size));
    return icon;
}

}  // namespace deskcal
