#include "app/gui/options_dlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include "app/gui/gbk.h"

namespace orvane::gui {
namespace {

struct Group {
    wxRadioButton* first;
    wxRadioButton* second;
    wxRadioButton* none;
    wxStaticBox* box;
};

// GTK always keeps one button of a group on, so each group carries a hidden
// third button that stands for "nothing chosen".
Group radio_group(wxWindow* parent, wxSizer* into, int boxId, const char* title, int firstId, const char* first,
                 int secondId, const char* second) {
    auto* sizer = new wxStaticBoxSizer(new wxStaticBox(parent, boxId, from_gbk(title)), wxVERTICAL);
    wxStaticBox* box = sizer->GetStaticBox();
    Group group{new wxRadioButton(box, firstId, from_gbk(first), wxDefaultPosition, wxDefaultSize, wxRB_GROUP),
                new wxRadioButton(box, secondId, from_gbk(second)), new wxRadioButton(box, wxID_ANY, ""), box};
    group.none->Hide();
    sizer->Add(group.first, 0, wxALL, 4);
    sizer->Add(group.second, 0, wxALL, 4);
    into->Add(sizer, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 10);
    return group;
}

void choose_item(const Group& group, int index) {
    (index == 0 ? group.first : index == 1 ? group.second : group.none)->SetValue(true);
}

int checked_index(wxRadioButton* first, wxRadioButton* second) {
    return first->GetValue() ? 0 : second->GetValue() ? 1 : -1;
}

}  // namespace

COptionsDlg::COptionsDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, from_gbk("选项")) {
    using namespace options_ids;
    auto* top = new wxBoxSizer(wxVERTICAL);
    const Group day = radio_group(this, top, wxID_ANY, "夜子时", kMidnight, "使用夜子时，以凌晨零点作为每日界限",
                                 kElevenPm, "不使夜子时，以晚上十一点作为每日界限");
    const Group lateZi = radio_group(this, top, kLateZiGroup, "夜子时遁法", kLateZiNext, "夜子时遁亥时后一位",
                                    kLateZiSame, "夜子时与正子时相同");
    const Group solar = radio_group(this, top, wxID_ANY, "天文时间", kTrueSolar, "使用天文时间，输入生辰需要出生地方",
                                   kNoTrueSolar, "不使用天文时间，输入生辰不需要出生地方");
    m_midnight = day.first, m_elevenPm = day.second, m_dayNone = day.none;
    m_lateZiNext = lateZi.first, m_lateZiSame = lateZi.second, m_lateZiNone = lateZi.none;
    m_trueSolar = solar.first, m_noTrueSolar = solar.second, m_trueSolarNone = solar.none;
    m_lateZiGroup = lateZi.box;

    auto* history = new wxStaticBoxSizer(wxVERTICAL, this, from_gbk("历史记录"));
    m_saveHistory = new wxCheckBox(history->GetStaticBox(), kSaveHistory, from_gbk("保存历史记录（保存生辰数据）"));
    history->Add(m_saveHistory, 0, wxALL, 4);
    top->Add(history, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 10);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(this, wxID_OK, from_gbk("确定(&O)"));
    ok->SetDefault();
    buttons->Add(ok, 0, wxRIGHT, 8);
    buttons->Add(new wxButton(this, wxID_CANCEL, from_gbk("取消(&C)")));
    top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 10);
    SetSizerAndFit(top);

    const OptionsDialogState state = load_options_dialog();
    choose_item(day, state.dayBoundaryIndex);
    choose_item(lateZi, state.lateZiStemIndex);
    choose_item(solar, state.trueSolarTimeIndex);
    m_saveHistory->SetValue(state.saveHistory);
    EnableLateZi(state.lateZiGroupEnabled());

    m_midnight->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { EnableLateZi(true); });
    m_elevenPm->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { EnableLateZi(false); });
    Bind(wxEVT_BUTTON, &COptionsDlg::OnOK, this, wxID_OK);
    CentreOnParent();
}

void COptionsDlg::EnableLateZi(bool enable) {
    m_lateZiGroup->Enable(enable);
    m_lateZiNext->Enable(enable);
    m_lateZiSame->Enable(enable);
}

OptionsDialogState COptionsDlg::State() const {
    OptionsDialogState state;
    state.dayBoundaryIndex = checked_index(m_midnight, m_elevenPm);
    state.lateZiStemIndex = checked_index(m_lateZiNext, m_lateZiSame);
    state.trueSolarTimeIndex = checked_index(m_trueSolar, m_noTrueSolar);
    state.saveHistory = m_saveHistory->GetValue();
    return state;
}

void COptionsDlg::OnOK(wxCommandEvent&) {
    if (save_options_dialog(State())) EndDialog(wxID_OK);
}

}  // namespace orvane::gui
