#include "deskcal/gui/year_spin.h"

#include <wx/dcbuffer.h>
#include <wx/renderer.h>
#include <wx/settings.h>
#include <wx/spinbutt.h>

#include <algorithm>

namespace deskcal {

YearSpin::YearSpin(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, id, pos, size, wxBORDER_NONE) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &YearSpin::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &YearSpin::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &YearSpin::OnLeftDown, this);
}

void YearSpin::SetRange(int minimum, int maximum) {
    m_min = minimum;
    m_max = maximum;
    m_value = std::clamp(m_value, m_min, m_max);
}

void YearSpin::SetValue(int value) {
    m_value = std::clamp(value, m_min, m_max);
    Refresh();
}

void YearSpin::Step(int delta) {
    const int next = std::clamp(m_value + delta, m_min, m_max);
    if (next == m_value) return;
    m_value = next;
    wxSpinEvent event(delta > 0 ? wxEVT_SPIN_UP : wxEVT_SPIN_DOWN, GetId());
    event.SetEventObject(this);
    event.SetPosition(m_value);
    ProcessWindowEvent(event);
    wxSpinEvent moved(wxEVT_SPIN, GetId());
    moved.SetEventObject(this);
    moved.SetPosition(m_value);
    ProcessWindowEvent(moved);
}

void YearSpin::OnLeftDown(wxMouseEvent& event) { Step(event.GetY() < GetClientSize().y / 2 ? +1 : -1); }

void YearSpin::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    const wxSize size = GetClientSize();
    dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
    dc.Clear();
    const int half = size.y / 2;
    wxRendererNative& renderer = wxRendererNative::Get();
    renderer.DrawPushButton(this, dc, wxRect(0, 0, size.x, half), 0);
    renderer.DrawPushButton(this, dc, wxRect(0, half, size.x, size.y - half), 0);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT)));
    const int cx = size.x / 2;
    const wxPoint up[3] = {{cx - 4, half - 3}, {cx + 4, half - 3}, {cx, half - 7}};
    const wxPoint down[3] = {{cx - 4, half + 3}, {cx + 4, half + 3}, {cx, half + 7}};
    dc.DrawPolygon(3, up);
    dc.DrawPolygon(3, down);
}

}  // namespace deskcal
