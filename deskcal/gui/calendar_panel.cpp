#include "deskcal/gui/calendar_panel.h"

#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/spinbutt.h>
#include <wx/valtext.h>

#include <string>

#include "deskcal/calendar/lunar_date.h"
#include "deskcal/calendar/lunar_tables.h"
#include "deskcal/calendar/lunar_text.h"
#include "deskcal/calendar/month_navigation.h"
#include "deskcal/calendar/solar_term.h"
#include "deskcal/gui/gbk_text.h"
#include "deskcal/gui/window_ids.h"

namespace deskcal {

namespace {

constexpr int kPanelWidth = 340;
constexpr int kPanelHeight = 160;

// Two pixels dark, one light: the etched look of a dialog separator.
void draw_etched_line(wxDC& dc, int x1, int y1, int x2, int y2, bool vertical) {
    const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
    const wxColour light = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT);
    dc.SetPen(wxPen(shadow));
    dc.DrawLine(x1, y1, x2, y2);
    dc.SetPen(wxPen(light));
    if (vertical) dc.DrawLine(x1 + 1, y1, x2 + 1, y2);
    else dc.DrawLine(x1, y1 + 1, x2, y2 + 1);
}

}  // namespace

CalendarPanel::CalendarPanel(wxWindow* parent, CalendarDate& current)
    : wxPanel(parent, ids::kPanel, wxPoint(5, 5), wxSize(kPanelWidth, kPanelHeight)),
      m_current(current),
      m_font(wxFontInfo(wxSize(0, 16)).Family(wxFONTFAMILY_ROMAN).FaceName("Disp Font").Encoding(wxFONTENCODING_CP936)) {
    SetFont(m_font);

    m_grid = new MonthGrid(this, ids::kMonthGrid, wxPoint(kPanelWidth / 2 - 64, 2));

    m_yearField = new wxTextCtrl(this, ids::kYearField, wxEmptyString, wxPoint(2, 2), wxSize(77, 22), 0,
                                 wxTextValidator(wxFILTER_DIGITS));
    m_yearField->SetMaxLength(4);
    m_yearSpin = new YearSpin(this, ids::kYearSpin, wxPoint(79, 3), wxSize(19, 20));
    m_yearSpin->SetRange(kFirstYear, kLastYear);

    m_monthList = new wxChoice(this, ids::kMonthList, wxPoint(2, 26), wxSize(90, 26));
    for (int month = 1; month <= 12; ++month) m_monthList->Append(from_gbk(LunarMonthText(month, MonthNaming::Solar)));

    m_todayButton = new wxButton(this, ids::kPanelTodayButton, from_gbk("今天"), wxPoint(255, 184), wxSize(73, 22));

    ShowDate(m_current);

    Bind(wxEVT_PAINT, &CalendarPanel::OnPaint, this);
    Bind(EVT_DAY_PICKED, &CalendarPanel::OnDayPicked, this);
    m_monthList->Bind(wxEVT_CHOICE, &CalendarPanel::OnMonthChosen, this);
    m_yearField->Bind(wxEVT_TEXT, &CalendarPanel::OnYearText, this);
    m_yearField->Bind(wxEVT_KILL_FOCUS, &CalendarPanel::OnYearFieldLeft, this);
    m_yearSpin->Bind(wxEVT_SPIN, &CalendarPanel::OnYearSpin, this);
    m_todayButton->Bind(wxEVT_BUTTON, &CalendarPanel::OnTodayButton, this);
}

bool CalendarPanel::ShowDate(const CalendarDate& date) {
    if (!m_grid->SetDate(date.year, date.month, date.day)) return false;
    m_current = m_grid->Date();
    m_yearSpin->SetValue(m_current.year);
    m_yearField->ChangeValue(year_text(m_current.year));
    m_monthList->SetSelection(m_current.month - 1);
    Refresh();
    return true;
}

void CalendarPanel::TakeGridDate() {
    m_current = m_grid->Date();
    RefreshRect(InfoArea());
}

void CalendarPanel::OnDayPicked(wxCommandEvent&) { TakeGridDate(); }

void CalendarPanel::OnMonthChosen(wxCommandEvent&) {
    const int month = m_monthList->GetSelection() + 1;
    if (month < 1 || month == m_grid->Date().month) return;
    const CalendarDate moved = with_month(m_grid->Date(), month);
    m_grid->SetDate(moved.year, moved.month, moved.day);
    TakeGridDate();
}

void CalendarPanel::OnYearText(wxCommandEvent&) {
    const std::string typed = m_yearField->GetValue().ToStdString();
    const std::string digits = year_field_digits(typed);
    if (digits != typed) m_yearField->ChangeValue(digits);  // pasted text keeps its digits only
    if (digits.size() != 4) return;
    const int year = std::stoi(digits);
    if (year < kFirstYear || year > kLastYear) return;  // the spin stays where it was
    m_yearSpin->SetValue(year);
    if (year == m_grid->Date().year) return;
    const CalendarDate moved = with_year(m_grid->Date(), year);
    m_grid->SetDate(moved.year, moved.month, moved.day);
    m_yearField->ChangeValue(year_text(year));
    TakeGridDate();
}

void CalendarPanel::OnYearFieldLeft(wxFocusEvent& event) {
    const std::string typed = m_yearField->GetValue().ToStdString();
    const std::string clamped = clamped_year_text(typed);
    if (clamped != typed) m_yearField->SetValue(clamped);  // raises the text event, which moves the grid
    event.Skip();
}

void CalendarPanel::OnYearSpin(wxSpinEvent& event) { m_yearField->SetValue(year_text(event.GetPosition())); }

void CalendarPanel::OnTodayButton(wxCommandEvent&) {
    if (m_today) ShowDate(m_today());
}

void CalendarPanel::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    draw_etched_line(dc, 0, 179, kPanelWidth, 179, false);
    draw_etched_line(dc, 96, 0, 96, kPanelHeight, true);
    PaintInfo(dc);
}

std::string CalendarPanel::InfoMonthText(const LunarDate& lunar) {
    if (!lunar.leap) return LunarMonthText(lunar.month, MonthNaming::Lunar);
    return "闰" + lunar_month_short_text(lunar.month);
}

std::string CalendarPanel::ShownMonthText() const {
    const CalendarDate& shown = m_grid->Date();
    return InfoMonthText(SolarToLunar(shown.year, shown.month, shown.day).lunar);
}

void CalendarPanel::PaintInfo(wxDC& dc) const {
    const CalendarDate& shown = m_grid->Date();
    const SolarDayInfo info = SolarToLunar(shown.year, shown.month, shown.day);
    dc.SetFont(m_font);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);  // the area is erased before each paint
    dc.SetTextForeground(GetForegroundColour());
    dc.DrawText(from_gbk(LunarYearText(info.lunar.year)), 15, 55);
    dc.DrawText(from_gbk(InfoMonthText(info.lunar)), 38, 75);
    dc.DrawText(from_gbk(LunarDayText(info.lunar.day)), 54, 95);
    if (info.term != 0) dc.DrawText(from_gbk("今天" + solar_term_name(info.term)), 23, 115);
    else dc.DrawText(wxString(' ', 9), 15, 115);
}

}  // namespace deskcal
