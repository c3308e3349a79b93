// 是否 — the small yes/no question box of cancelling, deleting and the date checks.
#pragma once

#include <wx/dialog.h>

#include <string>

class wxStaticText;

namespace orvane::gui {

inline constexpr int kYesNoTextId = 1037;

class CYesNoDlg : public wxDialog {
public:
    CYesNoDlg(wxWindow* parent, const std::string& gbkQuestion);
    // wxID_OK for yes.
    static bool Ask(wxWindow* parent, const std::string& gbkQuestion);

private:
    wxStaticText* m_text;
};

}  // namespace orvane::gui
