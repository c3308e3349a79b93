// 反推八字 — the reverse lookup dialog: four pillars chosen from lists, a year
// and the sex give the date of birth. Its lists and search live in
// engine/reverse_lookup.h; this class mirrors that state in the controls.
#pragma once

#include <wx/dialog.h>

#include "engine/reverse_lookup.h"

class wxButton;
class wxComboBox;
class wxRadioButton;
class wxStaticText;

namespace orvane::gui {

namespace reverse_ids {
inline constexpr int kMale = 1009, kFemale = 1010, kYearStem = 1060, kYearBranch = 1061, kResult = 1063,
                     kMonthPillar = 1064, kDayStem = 1065, kDayBranch = 1066, kHourPillar = 1067, kYear = 1068;
}

class CReverseDlg : public wxDialog {
public:
    explicit CReverseDlg(wxWindow* parent);

    const ReverseLookupState& State() const { return m_state; }
    // "批命": closes with wxID_OK when a found date stands in the chart record.
    void OnConfirm(wxCommandEvent& event);

private:
    void BuildControls();
    void BindList(wxComboBox* list, bool (ReverseLookupState::*choose)(const std::string&));
    void PushToControls();

    ReverseLookupState m_state;
    wxComboBox* m_yearStem = nullptr;
    wxComboBox* m_yearBranch = nullptr;
    wxComboBox* m_monthPillar = nullptr;
    wxComboBox* m_dayStem = nullptr;
    wxComboBox* m_dayBranch = nullptr;
    wxComboBox* m_hourPillar = nullptr;
    wxComboBox* m_year = nullptr;
    wxRadioButton* m_male = nullptr;
    wxRadioButton* m_female = nullptr;
    wxStaticText* m_result = nullptr;
    wxButton* m_confirm = nullptr;
};

}  // namespace orvane::gui
