#include "app/gui/yes_no_dlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/gui/gbk.h"

namespace orvane::gui {

CYesNoDlg::CYesNoDlg(wxWindow* parent, const std::string& gbkQuestion)
    : wxDialog(parent, wxID_ANY, "Yes or No") {
    auto* top = new wxBoxSizer(wxVERTICAL);
    m_text = new wxStaticText(this, kYesNoTextId, FromGbk(gbkQuestion));
    top->Add(m_text, 0, wxALL, 16);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* yes = new wxButton(this, wxID_OK, FromGbk("是(&Y)"));
    buttons->Add(yes, 0, wxRIGHT, 8);
    buttons->Add(new wxButton(this, wxID_CANCEL, FromGbk("否(&N)")));
    top->Add(buttons, 0, wxALIGN_CENTER | wxLEFT | wxRIGHT | wxBOTTOM, 12);
    yes->SetDefault();
    SetSizerAndFit(top);
    CentreOnParent();
}

bool CYesNoDlg::Ask(wxWindow* parent, const std::string& gbkQuestion) {
    CYesNoDlg dialog(parent, gbkQuestion);
    return dialog.ShowModal() == wxID_OK;
}

}  // namespace orvane::gui
