// 选项 — the options dialog over option.dat (app/options_file.h).
#pragma once

#include <wx/dialog.h>

#include "app/options_file.h"

class wxCheckBox;
class wxRadioButton;
class wxStaticBox;

namespace orvane::gui {

namespace options_ids {
inline constexpr int kMidnight = 1046, kElevenPm = 1047, kTrueSolar = 1048, kNoTrueSolar = 1049, kLateZiNext = 1054,
                     kLateZiSame = 1055, kLateZiGroup = 1056, kSaveHistory = 1059;
}

class COptionsDlg : public wxDialog {
public:
    explicit COptionsDlg(wxWindow* parent);
    OptionsDialogState State() const;
    void OnOK(wxCommandEvent& event);

private:
    void EnableLateZi(bool enable);

    wxRadioButton* m_midnight;
    wxRadioButton* m_elevenPm;
    wxRadioButton* m_dayNone;  // hidden: a group with nothing chosen
    wxRadioButton* m_lateZiNext;
    wxRadioButton* m_lateZiSame;
    wxRadioButton* m_lateZiNone;
    wxRadioButton* m_trueSolar;
    wxRadioButton* m_noTrueSolar;
    wxRadioButton* m_trueSolarNone;
    wxCheckBox* m_saveHistory;
    wxStaticBox* m_lateZiGroup;
};

}  // namespace orvane::gui
