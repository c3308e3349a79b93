// 万年历对话框: the main window, with the panel, the month buttons, today's line and the tray icon.
#pragma once

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/menu.h>
#include <wx/stattext.h>

#include <string>

#include "deskcal/calendar/date_range.h"
#include "deskcal/gui/calendar_panel.h"

namespace deskcal {

class CalendarTrayIcon;

class CalendarDialog : public wxDialog {
public:
    CalendarDialog();
    ~CalendarDialog() override;

    static std::string Caption() { return "Kerrow万年历"; }
    static std::string AboutMenuText() { return "关于 Kerrow万年历(&A)..."; }

    CalendarPanel* Panel() const { return m_panel; }
    const CalendarDate& CurrentDate() const { return m_current; }
    wxStaticText* TodayLine() const { return m_todayLine; }

    // The handlers of the three buttons.
    void GoToNextMonth();
    void GoToPreviousMonth();
    void GoToToday();

    // Minimised means hidden in the notification area (or iconised by the window manager).
    bool IsMinimised() const;
    void MinimiseToTray();
    void RestoreFromTray();
    // A second start asks the running calendar to come forward.
    void BringForward();
    void ShowAbout();

    // The tip shown over the notification-area icon (today's date, recomputed).
    std::string TrayTip() const;
    bool InTray() const;
    // The menu a right click on the icon opens now; nothing while the calendar is shown.
    wxMenu* TrayMenu() const;

private:
    void OnIconize(wxIconizeEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void OnAboutMenu(wxCommandEvent& event);

    CalendarDate m_current;
    CalendarPanel* m_panel = nullptr;
    wxStaticText* m_todayLine = nullptr;
    CalendarTrayIcon* m_tray = nullptr;
};

// Today's local date, from the platform clock.
CalendarDate todays_date();

}  // namespace deskcal
