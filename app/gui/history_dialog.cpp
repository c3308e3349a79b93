#include "app/gui/history_dialog.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/gui/gbk.h"

namespace orvane::gui {

CHistoryDlg::CHistoryDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, from_gbk("历史记录")) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, from_gbk("选择下面一条记录，然后点功能按钮：")), 0,
             wxLEFT | wxRIGHT | wxTOP, 10);
    m_list = new wxListBox(this, history_ids::kList, wxDefaultPosition, FromDIP(wxSize(420, 260)), 0, nullptr,
                           wxLB_SINGLE | wxLB_HSCROLL);
    top->Add(m_list, 1, wxEXPAND | wxALL, 10);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* recast = new wxButton(this, wxID_OK, from_gbk("排八字(&P)"));
    recast->SetDefault();
    buttons->Add(recast, 0, wxRIGHT, 8);
    buttons->Add(new wxButton(this, wxID_CANCEL, from_gbk("取消(&C)")), 0, wxRIGHT, 8);
    buttons->Add(new wxButton(this, history_ids::kDelete, from_gbk("删除(&D)")));
    top->Add(buttons, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    SetSizerAndFit(top);

    Bind(wxEVT_BUTTON, &CHistoryDlg::OnRecast, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CHistoryDlg::OnDelete, this, history_ids::kDelete);

    m_state.open();
    FillList();
    // GTK selects a list's first row when the list takes the focus; the dialog
    // opens with nothing chosen, so the focus starts on the button.
    recast->SetFocus();
    CentreOnParent();
}

void CHistoryDlg::FillList() {
    wxArrayString lines;
    for (const std::string& line : m_state.lines) lines.Add(from_gbk(line));
    m_list->Set(lines);
}

void CHistoryDlg::PullSelection() {
    const int chosen = m_list->GetSelection();
    m_state.selection = chosen == wxNOT_FOUND ? -1 : chosen;
}

void CHistoryDlg::OnRecast(wxCommandEvent&) {
    PullSelection();
    if (m_state.recast()) EndDialog(wxID_OK);
}

void CHistoryDlg::OnDelete(wxCommandEvent&) {
    PullSelection();
    if (m_state.remove()) FillList();
}

}  // namespace orvane::gui
