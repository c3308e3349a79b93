#include "deskcal/gui/calendar_tray_icon.h"

#include <wx/menu.h>

#include <memory>

#include "deskcal/gui/calendar_dialog.h"
#include "deskcal/gui/gbk_text.h"
#include "deskcal/gui/window_ids.h"

namespace deskcal {

CalendarTrayIcon::CalendarTrayIcon(CalendarDialog& dialog) : m_dialog(dialog) {
    Bind(wxEVT_TASKBAR_LEFT_UP, &CalendarTrayIcon::OnLeftUp, this);
    Bind(wxEVT_TASKBAR_RIGHT_UP, &CalendarTrayIcon::OnRightUp, this);
    Bind(wxEVT_MENU, &CalendarTrayIcon::OnMenu, this);
}

wxMenu* CalendarTrayIcon::BuildMenu() const {
    auto* menu = new wxMenu;
    menu->Append(ids::kMenuRestore, FromGbk("恢复(&R)"));
    menu->Append(ids::kMenuClose, FromGbk("关闭(&C)"));
    menu->AppendSeparator();
    menu->Append(ids::kMenuAbout, FromGbk(CalendarDialog::AboutMenuText()));
    return menu;
}

void CalendarTrayIcon::OnLeftUp(wxTaskBarIconEvent&) {
    if (m_dialog.IsMinimised()) m_dialog.RestoreFromTray();
    else m_dialog.MinimiseToTray();
}

void CalendarTrayIcon::OnRightUp(wxTaskBarIconEvent&) {
    if (!m_dialog.IsMinimised()) return;
    std::unique_ptr<wxMenu> menu(BuildMenu());
    PopupMenu(menu.get());
}

void CalendarTrayIcon::OnMenu(wxCommandEvent& event) {
    switch (event.GetId()) {
        case ids::kMenuRestore: m_dialog.RestoreFromTray(); break;
        case ids::kMenuClose: m_dialog.Close(true); break;
        case ids::kMenuAbout: m_dialog.ShowAbout(); break;
        default: event.Skip();
    }
}

}  // namespace deskcal
