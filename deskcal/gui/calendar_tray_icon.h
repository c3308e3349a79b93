// 托盘图标: the calendar's entry in the notification area while it is minimised.
#pragma once

#include <wx/taskbar.h>

namespace deskcal {

class CalendarDialog;

class CalendarTrayIcon : public wxTaskBarIcon {
public:
    explicit CalendarTrayIcon(CalendarDialog& dialog);

    // 恢复(&R), 关闭(&C), separator, the about entry.
    wxMenu* BuildMenu() const;

private:
    void OnLeftUp(wxTaskBarIconEvent& event);
    void OnRightUp(wxTaskBarIconEvent& event);
    void OnMenu(wxCommandEvent& event);

    CalendarDialog& m_dialog;
};

}  // namespace deskcal
