// 关于 — the About box with its two links.
#pragma once

#include <wx/dialog.h>

namespace orvane::gui {

class CAboutDlg : public wxDialog {
public:
    explicit CAboutDlg(wxWindow* parent);
};

}  // namespace orvane::gui
