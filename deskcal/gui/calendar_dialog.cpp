#include "deskcal/gui/calendar_dialog.h"

#include <wx/iconbndl.h>
#include <wx/menu.h>

#include <algorithm>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

#include "deskcal/calendar/display_texts.h"
#include "deskcal/calendar/lunar_tables.h"
#include "deskcal/calendar/month_navigation.h"
#include "deskcal/gui/about_box.h"
#include "deskcal/gui/calendar_tray_icon.h"
#include "deskcal/gui/compact_style.h"
#include "deskcal/gui/gbk_text.h"
#include "deskcal/gui/program_icon.h"
#include "deskcal/gui/window_ids.h"
#include "platform/clock.h"

namespace deskcal {

CalendarDate todays_date() {
    const platform::LocalTime now = platform::now_local();
    CalendarDate today;
    if (!SetDate(today, now.year, now.month, now.day)) SetDate(today, std::clamp(now.year, kFirstYear, kLastYear), 1, 1);
    return today;
}

CalendarDialog::CalendarDialog()
    : wxDialog(nullptr, ids::kDialog, from_gbk(Caption()), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX) {
    apply_compact_style();
    wxIconBundle icons;
    icons.AddIcon(program_icon(16));
    icons.AddIcon(program_icon(32));
    SetIcons(icons);

    const CalendarDate today = todays_date();
    m_current = today;
    m_panel = new CalendarPanel(this, m_current);
    m_panel->SetTodaySource(&todays_date);

    // 175 x 114 dialog units, widened when the today line and the buttons need more room.
    const wxSize units = ConvertDialogToPixels(wxSize(175, 114));
    const wxSize button = ConvertDialogToPixels(wxSize(21, 12));
    auto* next = new wxButton(this, ids::kNextMonthButton, from_gbk("下月"));
    auto* previous = new wxButton(this, ids::kPreviousMonthButton, from_gbk("上月"));
    auto* todayButton = new wxButton(this, ids::kTodayButton, from_gbk("今天"));
    m_todayLine = new wxStaticText(this, ids::kTodayText, from_gbk(today_text(today.year, today.month, today.day)));
    const wxSize buttonSize(std::max(button.x, next->GetBestSize().x), std::max(button.y, next->GetBestSize().y));
    constexpr int kMargin = 5;
    constexpr int kGap = 4;
    const int buttonsWidth = 3 * buttonSize.x + 2 * kGap;
    const int width = std::max({units.x, kMargin + m_panel->GetSize().x + kMargin,
                                8 + m_todayLine->GetBestSize().x + 12 + buttonsWidth + kMargin});
    const int rowTop = kMargin + m_panel->GetSize().y + 6;
    const int height = std::max(units.y, rowTop + buttonSize.y + 6);
    int x = width - kMargin - buttonsWidth;
    for (wxButton* b : {previous, next, todayButton}) {
        b->SetSize(x, rowTop, buttonSize.x, buttonSize.y);
        x += buttonSize.x + kGap;
    }
    m_todayLine->Move(8, rowTop + (buttonSize.y - m_todayLine->GetBestSize().y) / 2);
    SetClientSize(width, height);

    m_tray = new CalendarTrayIcon(*this);

    next->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { GoToNextMonth(); });
    previous->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { GoToPreviousMonth(); });
    todayButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { GoToToday(); });
    Bind(wxEVT_ICONIZE, &CalendarDialog::OnIconize, this);
    Bind(wxEVT_CLOSE_WINDOW, &CalendarDialog::OnClose, this);
    Bind(wxEVT_MENU, &CalendarDialog::OnAboutMenu, this, ids::kMenuAbout);
#ifdef __WXMSW__
    if (wxMenu* system = MSWGetSystemMenu()) {
        system->AppendSeparator();
        system->Append(ids::kMenuAbout, from_gbk(AboutMenuText()));
    }
#else
    // No system menu to extend here: the about entry sits on the dialog's own context menu.
    Bind(wxEVT_CONTEXT_MENU, &CalendarDialog::OnContextMenu, this);
#endif
}

CalendarDialog::~CalendarDialog() {
    if (m_tray) {
        m_tray->RemoveIcon();
        delete m_tray;
    }
}

void CalendarDialog::GoToNextMonth() { m_panel->ShowDate(next_month(m_current)); }

void CalendarDialog::GoToPreviousMonth() { m_panel->ShowDate(previous_month(m_current)); }

void CalendarDialog::GoToToday() { m_panel->ShowDate(todays_date()); }

std::string CalendarDialog::TrayTip() const {
    const CalendarDate today = todays_date();
    return tray_tip_text(today.year, today.month, today.day);
}

bool CalendarDialog::InTray() const { return m_tray->IsIconInstalled(); }

wxMenu* CalendarDialog::TrayMenu() const { return m_tray->MenuNow(); }

bool CalendarDialog::IsMinimised() const { return !IsShown() || IsIconized(); }

void CalendarDialog::MinimiseToTray() {
    m_tray->SetIcon(wxBitmapBundle(program_icon_bitmap(32)), from_gbk(TrayTip()));
    Hide();
}

void CalendarDialog::RestoreFromTray() {
#ifdef __WXGTK__
    // Iconised by the window manager and then hidden, the window would come back
    // iconised when shown: GTK keeps the state for its next mapping.
    gtk_window_deiconify(GTK_WINDOW(GetHandle()));
#endif
    Show();
    Iconize(false);
    Raise();
    SetFocus();
}

void CalendarDialog::BringForward() {
    // Shown and restored at once: iconising it first would send it straight back
    // into the notification area.
    RestoreFromTray();
}

void CalendarDialog::ShowAbout() {
    AboutBox box(this);
    box.ShowModal();
}

void CalendarDialog::OnIconize(wxIconizeEvent& event) {
    if (event.IsIconized() && IsShown()) MinimiseToTray();
    event.Skip();
}

void CalendarDialog::OnClose(wxCloseEvent&) { Destroy(); }

void CalendarDialog::OnContextMenu(wxContextMenuEvent&) {
    wxMenu menu;
    menu.Append(ids::kMenuAbout, from_gbk(AboutMenuText()));
    PopupMenu(&menu);
}

void CalendarDialog::OnAboutMenu(wxCommandEvent&) { ShowAbout(); }

}  // namespace deskcal
