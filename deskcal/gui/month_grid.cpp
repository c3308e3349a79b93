#include "deskcal/gui/month_grid.h"

#include <wx/colordlg.h>
#include <wx/dcbuffer.h>
#include <wx/menu.h>

#include <cstdio>

#include "deskcal/calendar/gregorian.h"
#include "deskcal/calendar/lunar_date.h"
#include "deskcal/calendar/month_grid_layout.h"
#include "deskcal/calendar/month_print.h"
#include "deskcal/gui/gbk_text.h"
#include "deskcal/gui/lunar_image.h"
#include "deskcal/gui/window_ids.h"

namespace deskcal {

wxDEFINE_EVENT(EVT_DAY_PICKED, wxCommandEvent);

namespace {

std::size_t slot(GridColour which) { return static_cast<std::size_t>(which); }

std::optional<wxColour> ask_with_colour_dialog(wxWindow* parent) {
    wxColourData data;
    data.SetColour(*wxBLACK);
    wxColourDialog dialog(parent, &data);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    return dialog.GetColourData().GetColour();
}

}  // namespace

MonthGrid::MonthGrid(wxWindow* parent, wxWindowID id, const wxPoint& pos)
    : wxWindow(parent, id, pos, wxSize(kGridWidth, kGridHeight), wxBORDER_SUNKEN | wxFULL_REPAINT_ON_RESIZE),
      m_chooser(ask_with_colour_dialog),
      m_dayFont(wxFontInfo(wxSize(0, 13)).Family(wxFONTFAMILY_SWISS)) {
    m_colours[slot(GridColour::Background)] = wxColour(255, 255, 255);
    m_colours[slot(GridColour::DateText)] = wxColour(0, 0, 0);
    m_colours[slot(GridColour::SelectedBackground)] = wxColour(180, 70, 70);
    m_colours[slot(GridColour::SelectedText)] = wxColour(255, 255, 255);
    m_colours[slot(GridColour::TitleBackground)] = wxColour(180, 70, 70);
    m_colours[slot(GridColour::TitleText)] = wxColour(255, 255, 0);
    SetBackgroundStyle(wxBG_STYLE_PAINT);

    Bind(wxEVT_PAINT, &MonthGrid::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &MonthGrid::OnLeftDown, this);
    Bind(wxEVT_CONTEXT_MENU, &MonthGrid::OnContextMenu, this);
    Bind(wxEVT_MENU, &MonthGrid::OnColourMenu, this, ids::kMenuTitleBackground, ids::kMenuDateText);
}

bool MonthGrid::SetDate(int year, int month, int day) {
    if (!deskcal::SetDate(m_date, year, month, day)) return false;
    Refresh();
    return true;
}

wxColour MonthGrid::GetGridColour(GridColour which) const { return m_colours[slot(which)]; }

void MonthGrid::SetGridColour(GridColour which, const wxColour& colour) {
    m_colours[slot(which)] = colour;
    Refresh();
}

void MonthGrid::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(GetGridColour(GridColour::Background)));
    dc.Clear();
    PaintTitleBar(dc);
    dc.SetFont(m_dayFont);
    for (int day = 1; day <= MonthDays(m_date.year, m_date.month); ++day) PaintDay(dc, day);
}

void MonthGrid::PaintTitleBar(wxDC& dc) const {
    const wxSize size = GetClientSize();
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(GetGridColour(GridColour::TitleBackground)));
    dc.DrawRectangle(1, 1, size.x - 2, kTitleBarBottom - 1);
    dc.SetFont(wxFont(wxFontInfo(wxSize(0, 14)).Family(wxFONTFAMILY_SWISS)));
    dc.SetTextForeground(GetGridColour(GridColour::TitleText));
    static const char* const labels[kGridColumns] = {"日", "一", "二", "三", "四", "五", "六"};
    for (int i = 0; i < kGridColumns; ++i) {
        dc.DrawText(from_gbk(labels[i]), kWeekdayLabelLeft + kCellWidth * i, kWeekdayLabelTop);
    }
}

void MonthGrid::PaintDay(wxDC& dc, int day) const {
    const CellOrigin cell = day_cell(m_date.year, m_date.month, day);
    const bool selected = day == m_date.day;
    if (selected) {
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(GetGridColour(GridColour::SelectedBackground)));
        dc.DrawRectangle(cell.left + 1, cell.top, kCellWidth - 1, kCellHeight);
    }
    const wxColour ink = GetGridColour(selected ? GridColour::SelectedText : GridColour::DateText);
    char number[8];
    std::snprintf(number, sizeof number, "%2d", day);
    dc.SetFont(m_dayFont);
    dc.SetTextForeground(ink);
    dc.DrawText(number, cell.left + 2, cell.top + 2);

    // The image keeps its own black ink; on the selected cell it shows in the selected text colour.
    const LunarDate lunar = SolarToLunar(m_date.year, m_date.month, day).lunar;
    const wxRect area(cell.left + kLunarImageLeft, cell.top + kLunarImageTop, kLunarImageWidth, kLunarImageHeight);
    draw_lunar_image(dc, grid_lunar_text(lunar), area, selected ? ink : *wxBLACK);
}

void MonthGrid::OnLeftDown(wxMouseEvent& event) {
    const wxPoint at = event.GetPosition();
    const std::optional<int> day = day_at_point(m_date.year, m_date.month, at.x, at.y);
    if (!day || *day == m_date.day) return;
    m_date.day = static_cast<std::uint16_t>(*day);
    Refresh();
    wxCommandEvent picked(EVT_DAY_PICKED, GetId());
    picked.SetEventObject(this);
    picked.SetInt(m_date.year * 65536 + m_date.month);
    picked.SetExtraLong(m_date.day);
    wxPostEvent(GetParent(), picked);
}

void MonthGrid::OnContextMenu(wxContextMenuEvent&) {
    wxMenu menu;
    menu.Append(ids::kMenuTitleBackground, from_gbk("标题背景色..."));
    menu.Append(ids::kMenuTitleText, from_gbk("标题前景色..."));
    menu.Append(ids::kMenuDateText, from_gbk("日期前景色..."));
    menu.Append(ids::kMenuSelectedBackground, from_gbk("选中区颜色..."));
    PopupMenu(&menu);
}

void MonthGrid::OnColourMenu(wxCommandEvent& event) {
    GridColour which = GridColour::TitleBackground;
    switch (event.GetId()) {
        case ids::kMenuTitleBackground: which = GridColour::TitleBackground; break;
        case ids::kMenuTitleText: which = GridColour::TitleText; break;
        case ids::kMenuSelectedBackground: which = GridColour::SelectedBackground; break;
        case ids::kMenuDateText: which = GridColour::DateText; break;
        default: return;
    }
    if (const std::optional<wxColour> chosen = m_chooser(this)) SetGridColour(which, *chosen);
}

}  // namespace deskcal
