#include "app/gui/message_dlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include <algorithm>

#include "app/gui/gbk.h"

namespace orvane::gui {
namespace {

// Without a resize border the window manager offers neither resizing nor maximising.
constexpr long kBoxStyle = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX;

}  // namespace

wxString program_caption() { return from_gbk("Kerrow八字算命"); }

void lay_out_box(wxDialog& box, const wxArtID& icon, wxStaticText* text, wxSizer* buttons) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticBitmap(&box, wxID_ANY, wxArtProvider::GetBitmapBundle(icon, wxART_MESSAGE_BOX)), 0,
             wxALL | wxALIGN_TOP, 14);
    row->Add(text, 1, wxTOP | wxRIGHT | wxBOTTOM | wxALIGN_CENTER_VERTICAL, 14);
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(row, 1, wxEXPAND);
    top->Add(buttons, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, 12);
    box.SetSizerAndFit(top);
    // The title bar also holds the window menu and the buttons of the window manager.
    const int captionWidth = box.GetTextExtent(box.GetTitle()).x * 5 / 4 + box.FromDIP(140);
    const wxSize size = box.GetSize();
    box.SetMaxSize(wxSize(std::max(size.x, captionWidth), size.y));
    box.SetSize(box.GetMaxSize());
    box.SetMinSize(box.GetMaxSize());
    box.CentreOnParent();
}

CMessageDlg::CMessageDlg(wxWindow* parent, const wxString& text, const wxString& caption, const wxArtID& icon)
    : wxDialog(parent, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize, kBoxStyle) {
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(this, wxID_OK, from_gbk("确定"));
    ok->SetDefault();
    buttons->Add(ok);
    lay_out_box(*this, icon, new wxStaticText(this, kMessageTextId, text), buttons);
    SetEscapeId(wxID_OK);
}

void CMessageDlg::Show(wxWindow* parent, const wxString& text, const wxArtID& icon) {
    CMessageDlg box(parent, text, program_caption(), icon);
    box.ShowModal();
}

}  // namespace orvane::gui
