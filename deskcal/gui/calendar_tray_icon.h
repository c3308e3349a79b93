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

    // A click of the icon: minimise a shown calendar, restore a hidden one.
    void OnClick();
    // What a right click opens now (the caller owns it); nothing while the calendar is shown.
    wxMenu* MenuNow() { return CreatePopupMenu(); }

protected:
    // The menu of a right click, while the calendar is minimised; wx shows it.
    wxMenu* CreatePopupMenu() override;

private:
    void OnMenu(wxCommandEvent& event);

    CalendarDialog& m_dialog;
};

}  // namespace deskcal
