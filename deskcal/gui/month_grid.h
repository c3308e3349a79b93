// 月历格: the 6 x 7 day grid with the lunar image of each day and the user's colours.
#pragma once

#include <wx/colour.h>
#include <wx/event.h>
#include <wx/window.h>

#include <array>
#include <functional>
#include <optional>

#include "deskcal/calendar/date_range.h"

namespace deskcal {

// Sent to the parent when a click picks another day: GetInt() = year * 65536 + month,
// GetExtraLong() = day.
wxDECLARE_EVENT(EVT_DAY_PICKED, wxCommandEvent);

enum class GridColour { Background, DateText, SelectedBackground, SelectedText, TitleBackground, TitleText };

class MonthGrid : public wxWindow {
public:
    // Asks the user for a colour; nothing when the chooser is cancelled.
    using ColourChooser = std::function<std::optional<wxColour>(wxWindow* parent)>;

    MonthGrid(wxWindow* parent, wxWindowID id, const wxPoint& pos);

    // Refuses a date outside 1901-01-01 .. 2050-12-31 and keeps the old one.
    bool SetDate(int year, int month, int day);
    const CalendarDate& Date() const { return m_date; }

    wxColour GetGridColour(GridColour which) const;
    void SetGridColour(GridColour which, const wxColour& colour);
    void SetColourChooser(ColourChooser chooser) { m_chooser = std::move(chooser); }

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void OnColourMenu(wxCommandEvent& event);

    void PaintTitleBar(wxDC& dc) const;
    void PaintDay(wxDC& dc, int day) const;

    CalendarDate m_date;
    std::array<wxColour, 6> m_colours;
    ColourChooser m_chooser;
    wxFont m_dayFont;
};

}  // namespace deskcal
