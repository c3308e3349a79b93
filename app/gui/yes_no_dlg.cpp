#include "app/gui/yes_no_dlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/gui/gbk.h"
#include "app/gui/message_dlg.h"

namespace orvane::gui {

CYesNoDlg::CYesNoDlg(wxWindow* parent, const std::string& gbkQuestion)
    : wxDialog(parent, wxID_ANY, "Yes or No", wxDefaultPosition, wxDefaultSize, wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX) {
    m_text = new wxStaticText(this, kYesNoTextId, from_gbk(gbkQuestion));
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* yes = new wxButton(this, wxID_OK, from_gbk("是(&Y)"));
    buttons->Add(yes, 0, wxRIGHT, 8);
    buttons->Add(new wxButton(this, wxID_CANCEL, from_gbk("否(&N)")));
    yes->SetDefault();
    lay_out_box(*this, wxART_QUESTION, m_text, buttons);
}

bool CYesNoDlg::Ask(wxWindow* parent, const std::string& gbkQuestion) {
    CYesNoDlg dialog(parent, gbkQuestion);
    return dialog.ShowModal() == wxID_OK;
}

}  // namespace orvane::gui
