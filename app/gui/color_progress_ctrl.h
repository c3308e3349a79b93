// 彩色进度条 — a progress bar painted as a colour gradient, with an optional
// percentage in the middle.
#pragma once

#include <wx/colour.h>
#include <wx/window.h>

namespace orvane::gui {

class CColorProgressCtrl : public wxWindow {
public:
    CColorProgressCtrl(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                       const wxSize& size = wxDefaultSize);

    // Stores both bounds and moves the position to the lower one.
    void SetRange(int lower, int upper);
    void SetPos(int position);
    int GetPos() const { return m_position; }
    int GetLower() const { return m_lower; }
    int GetUpper() const { return m_upper; }

    wxColour m_startColour{255, 0, 0};
    wxColour m_endColour{0, 0, 255};
    wxColour m_backgroundColour;
    wxColour m_textColour{255, 255, 255};
    bool m_showPercent = false;

    // The percentage as drawn, "%.0f%%" of position over the upper bound.
    wxString PercentText() const;
    // The filled width for a client width, 0 when the bar looks empty.
    int FilledWidth(int clientWidth) const;

private:
    void OnPaint(wxPaintEvent& event);

    int m_lower = 0;
    int m_upper = 100;
    int m_step = 10;
    int m_position = 0;
};

// A COLORREF (blue in the high byte) as a colour.
inline wxColour from_color_ref(unsigned long colorRef) {
    return wxColour(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

}  // namespace orvane::gui
