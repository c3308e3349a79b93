// 消息框 — the program's message box: its caption in full, the system's icon for
// the kind of message, one OK button, a fixed size.
#pragma once

#include <wx/artprov.h>
#include <wx/dialog.h>

#include <string>

class wxStaticText;

namespace orvane::gui {

inline constexpr int kMessageTextId = 1038;

// The caption of every box the program shows.
wxString program_caption();

class CMessageDlg : public wxDialog {
public:
    CMessageDlg(wxWindow* parent, const wxString& text, const wxString& caption = program_caption(),
                const wxArtID& icon = wxART_INFORMATION);
    // Shows the box modally.
    static void Show(wxWindow* parent, const wxString& text, const wxArtID& icon = wxART_INFORMATION);
};

// Lays out a box with an icon beside its text and the buttons below, wide enough
// for its caption to show whole in the title bar.
void lay_out_box(wxDialog& box, const wxArtID& icon, wxStaticText* text, wxSizer* buttons);

}  // namespace orvane::gui
