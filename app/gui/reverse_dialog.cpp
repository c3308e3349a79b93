#include "app/gui/reverse_dialog.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "app/gui/gbk.h"

namespace orvane::gui {
namespace {

wxComboBox* drop_down(wxWindow* parent, int id) {
    return new wxComboBox(parent, id, "", wxDefaultPosition, parent->FromDIP(wxSize(100, -1)), {}, wxCB_READONLY);
}

// Puts a list of the state into its control; only a changed item list is
// replaced, so that an open drop-down is not disturbed by a choice elsewhere.
void show_list(wxComboBox* control, const ReverseLookupState::combo_of& list) {
    wxArrayString items;
    for (const std::string& item : list.items) items.Add(from_gbk(item));
    if (control->GetStrings() != items) control->Set(items);
    control->SetSelection(list.selected.empty() ? wxNOT_FOUND : control->FindString(from_gbk(list.selected), true));
    control->Enable(list.enabled);
}

}  // namespace

CReverseDlg::CReverseDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, from_gbk("反推八字(四柱干支输入方式)")) {
    BuildControls();
    PushToControls();
    CentreOnParent();
}

void CReverseDlg::BuildControls() {
    using namespace reverse_ids;
    auto* top = new wxBoxSizer(wxVERTICAL);

    auto* pillars = new wxStaticBoxSizer(wxVERTICAL, this, from_gbk("八字"));
    wxWindow* box = pillars->GetStaticBox();
    auto* grid = new wxFlexGridSizer(3, wxSize(8, 6));
    auto row = [&](const char* label, wxComboBox* first, wxComboBox* second) {
        grid->Add(new wxStaticText(box, wxID_ANY, from_gbk(label)), 0, wxALIGN_CENTER_VERTICAL);
        grid->Add(first);
        if (second)
            grid->Add(second);
        else
            grid->AddSpacer(0);
    };
    m_yearStem = drop_down(box, kYearStem);
    m_yearBranch = drop_down(box, kYearBranch);
    m_monthPillar = drop_down(box, kMonthPillar);
    m_dayStem = drop_down(box, kDayStem);
    m_dayBranch = drop_down(box, kDayBranch);
    m_hourPillar = drop_down(box, kHourPillar);
    row("年柱", m_yearStem, m_yearBranch);
    row("月柱", m_monthPillar, nullptr);
    row("日柱", m_dayStem, m_dayBranch);
    row("时柱", m_hourPillar, nullptr);
    pillars->Add(grid, 0, wxALL, 6);

    auto* yearGroup = new wxStaticBoxSizer(wxVERTICAL, this, from_gbk("年份"));
    m_year = drop_down(yearGroup->GetStaticBox(), kYear);
    yearGroup->Add(m_year, 0, wxALL, 6);

    auto* sexGroup = new wxStaticBoxSizer(wxHORIZONTAL, this, from_gbk("性别"));
    wxWindow* sexBox = sexGroup->GetStaticBox();
    m_male = new wxRadioButton(sexBox, kMale, from_gbk("男"), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    m_female = new wxRadioButton(sexBox, kFemale, from_gbk("女"));
    sexGroup->Add(m_male, 0, wxALL, 6);
    sexGroup->Add(m_female, 0, wxALL, 6);

    auto* side = new wxBoxSizer(wxVERTICAL);
    side->Add(yearGroup, 0, wxEXPAND | wxBOTTOM, 8);
    side->Add(sexGroup, 0, wxEXPAND);
    auto* upper = new wxBoxSizer(wxHORIZONTAL);
    upper->Add(pillars, 0, wxRIGHT, 10);
    upper->Add(side, 1);
    top->Add(upper, 0, wxEXPAND | wxALL, 10);

    auto* birthGroup = new wxStaticBoxSizer(wxVERTICAL, this, from_gbk("生辰"));
    m_result = new wxStaticText(birthGroup->GetStaticBox(), kResult, "", wxDefaultPosition, FromDIP(wxSize(300, 40)));
    birthGroup->Add(m_result, 1, wxEXPAND | wxALL, 6);
    top->Add(birthGroup, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    m_confirm = new wxButton(this, wxID_OK, from_gbk("批命(&P)"));
    m_confirm->SetDefault();
    buttons->Add(m_confirm, 0, wxRIGHT, 8);
    buttons->Add(new wxButton(this, wxID_CANCEL, from_gbk("取消(&C)")));
    top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 10);
    SetSizerAndFit(top);

    BindList(m_yearStem, &ReverseLookupState::chooseYearStem);
    BindList(m_yearBranch, &ReverseLookupState::chooseYearBranch);
    BindList(m_monthPillar, &ReverseLookupState::chooseMonthPillar);
    BindList(m_dayStem, &ReverseLookupState::chooseDayStem);
    BindList(m_dayBranch, &ReverseLookupState::chooseDayBranch);
    BindList(m_hourPillar, &ReverseLookupState::chooseHourPillar);
    BindList(m_year, &ReverseLookupState::chooseYear);
    m_male->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { m_state.chooseSex(true); });
    m_female->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { m_state.chooseSex(false); });
    Bind(wxEVT_BUTTON, &CReverseDlg::OnConfirm, this, wxID_OK);
}

void CReverseDlg::BindList(wxComboBox* list, bool (ReverseLookupState::*choose)(const std::string&)) {
    list->Bind(wxEVT_COMBOBOX, [this, list, choose](wxCommandEvent&) {
        (m_state.*choose)(ToGbk(list->GetStringSelection()));
        PushToControls();  // also puts back a choice the state refused
    });
}

void CReverseDlg::PushToControls() {
    show_list(m_yearStem, m_state.yearStems());
    show_list(m_yearBranch, m_state.yearBranches());
    show_list(m_monthPillar, m_state.monthPillars());
    show_list(m_dayStem, m_state.dayStems());
    show_list(m_dayBranch, m_state.dayBranches());
    show_list(m_hourPillar, m_state.hourPillars());
    show_list(m_year, m_state.years());
    (m_state.male() ? m_male : m_female)->SetValue(true);
    m_result->SetLabel(from_gbk(m_state.resultText()));
    m_confirm->Enable(m_state.confirmEnabled());
}

void CReverseDlg::OnConfirm(wxCommandEvent&) {
    if (m_state.confirm()) EndDialog(wxID_OK);
}

}  // namespace orvane::gui
