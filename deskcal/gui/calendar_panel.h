// 日历面板: the month grid, the year field with its spin, the month list and the lunar info area.
#pragma once

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/panel.h>
#include <wx/textctrl.h>

#include <functional>
#include <string>

#include "deskcal/calendar/date_range.h"
#include "deskcal/calendar/lunar_date.h"
#include "deskcal/gui/month_grid.h"
#include "deskcal/gui/year_spin.h"

namespace deskcal {

class CalendarPanel : public wxPanel {
public:
    // `current` is the dialog's current date; the panel keeps it in step with the grid.
    CalendarPanel(wxWindow* parent, CalendarDate& current);

    // Grid, year field, spin and month list all show `date` (refused when out of range).
    bool ShowDate(const CalendarDate& date);

    MonthGrid* Grid() const { return m_grid; }
    wxTextCtrl* YearField() const { return m_yearField; }
    YearSpin* Spin() const { return m_yearSpin; }
    wxChoice* MonthList() const { return m_monthList; }

    // The lunar info area, (15, 55) - (95, 155).
    static wxRect InfoArea() { return wxRect(15, 55, 80, 100); }

    // The lunar month as the info area shows it (GBK): "　二月", and for a day of
    // the leap month "闰二月", the 闰 taking the place of the leading space.
    static std::string InfoMonthText(const LunarDate& lunar);
    // The month text painted for the date the grid shows.
    std::string ShownMonthText() const;

    // The hidden 今天 button of the panel (105) asks its owner for today's date.
    void SetTodaySource(std::function<CalendarDate()> today) { m_today = std::move(today); }

private:
    void OnPaint(wxPaintEvent& event);
    void OnDayPicked(wxCommandEvent& event);
    void OnMonthChosen(wxCommandEvent& event);
    void OnYearText(wxCommandEvent& event);
    void OnYearFieldLeft(wxFocusEvent& event);
    void OnYearSpin(wxSpinEvent& event);
    void OnTodayButton(wxCommandEvent& event);

    void TakeGridDate();  // the dialog's date follows the grid, the info area repaints
    void PaintInfo(wxDC& dc) const;

    CalendarDate& m_current;
    MonthGrid* m_grid = nullptr;
    wxTextCtrl* m_yearField = nullptr;
    YearSpin* m_yearSpin = nullptr;
    wxChoice* m_monthList = nullptr;
    wxButton* m_todayButton = nullptr;
    wxFont m_font;
    std::function<CalendarDate()> m_today;
};

}  // namespace deskcal
