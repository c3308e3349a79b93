// 年份微调: the small up/down arrows beside the year field, 19 x 20 pixels.
// GTK's own spin button needs several times that room, so the arrows are drawn here.
#pragma once

#include <wx/window.h>

namespace deskcal {

// Sends wxEVT_SPIN with the new position when a click moves the value.
class YearSpin : public wxWindow {
public:
    YearSpin(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size);

    void SetRange(int minimum, int maximum);
    int GetMin() const { return m_min; }
    int GetMax() const { return m_max; }
    int GetValue() const { return m_value; }
    void SetValue(int value);  // kept inside the range; sends no event

    // What a click on the upper (+1) or lower (-1) arrow does.
    void Step(int delta);

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);

    int m_min = 0;
    int m_max = 100;
    int m_value = 0;
};

}  // namespace deskcal
