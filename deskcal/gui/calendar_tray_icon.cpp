#include "deskcal/gui/calendar_tray_icon.h"

#include <wx/menu.h>

#include "deskcal/gui/calendar_dialog.h"
#include "deskcal/gui/gbk_text.h"
#include "deskcal/gui/window_ids.h"

namespace deskcal {

CalendarTrayIcon::CalendarTrayIcon(CalendarDialog& dialog) : m_dialog(dialog) {
#ifdef __WXGTK__
    // GTK's notification area reports a left click as it is pressed ("activate")
    // and never its release; the right click comes as wxEVT_TASKBAR_CLICK.
    Bind(wxEVT_TASKBAR_LEFT_DOWN, [this](wxTaskBarIconEvent&) { OnClick(); });
#else
    Bind(wxEVT_TASKBAR_LEFT_UP, [this](wxTaskBarIconEvent&) { OnClick(); });
#endif
    Bind(wxEVT_MENU, &CalendarTrayIcon::OnMenu, this);
}

wxMenu* CalendarTrayIcon::BuildMenu() const {
    auto* menu = new wxMenu;
    menu->Append(ids::kMenuRestore, from_gbk("恢复(&R)"));
    menu->Append(ids::kMenuClose, from_gbk("关闭(&C)"));
    menu->AppendSeparator();
    menu->Append(ids::kMenuAbout, from_gbk(CalendarDialog::AboutMenuText()));
    return menu;
}

void CalendarTrayIcon::OnClick() {
    if (m_dialog.IsMinimised()) m_dialog.RestoreFromTray();
    else m_dialog.MinimiseToTray();
}

wxMenu* CalendarTrayIcon::CreatePopupMenu() { return m_dialog.IsMinimised() ? BuildMenu() : nullptr; }

void CalendarTrayIcon::OnMenu(wxCommandEvent& event) {
    switch (event.GetId()) {
        case ids::kMenuRestore: m_dialog.RestoreFromTray(); break;
        case ids::kMenuClose: m_dialog.Close(true); break;
        case ids::kMenuAbout: m_dialog.ShowAbout(); break;
        default: event.Skip();
    }
}

}  // namespace deskcal
