// 生辰 — the birth data dialog. Its state and checks live in app/birth_entry.h;
// this class only moves them to and from the controls.
#pragma once

#include <wx/dialog.h>

#include <vector>

#include "app/birth_entry.h"

class wxCheckBox;
class wxListBox;
class wxComboBox;
class wxRadioButton;
class wxStaticBox;
class wxStaticText;
class wxTextCtrl;

namespace orvane::gui {

namespace birth_ids {
inline constexpr int kYear = 1000, kLunar = 1001, kSolar = 1002, kMonth = 1003, kDay = 1004, kCityLabel = 1005,
                     kLeap = 1007, kMale = 1009, kFemale = 1010, kMinute = 1013, kHour = 1014, kName = 1016,
                     kProvince = 1035, kHelp = 1037, kCity = 1038, kProvinceLabel = 1057, kPlaceGroup = 1058;
// A place abroad: the switch, the coordinates and the searchable zone list.
inline constexpr int kDomestic = 1060, kAbroad = 1061, kLongitude = 1062, kLatitude = 1063, kZoneSearch = 1064,
                     kZoneList = 1065, kZoneChosen = 1066;
}

class CBirthDlg : public wxDialog {
public:
    // editMode: fill the dialog from the chart record ("修改生辰").
    CBirthDlg(wxWindow* parent, bool editMode);

    const BirthEntry& Entry() const { return m_entry; }
    bool TrueSolarTime() const { return m_trueSolarTime; }
    // Reads the controls and runs OK's checks; closes with wxID_OK when they pass.
    void OnOK(wxCommandEvent& event);

private:
    void BuildControls();
    void PushToControls();
    void PullFromControls();
    void FillDays();
    void FillCities();
    void ShowHelp(BirthField field);
    int HelpWidth() const;
    void EnablePlace(bool provinceToo, bool city);
    // Enables the controls of the kind of place chosen (table or abroad).
    void ShowPlaceKind();
    // Refills the zone list with the zones matching the search box.
    void FillZones();
    void ChooseListedZone();
    void ShowChosenZone();

    BirthEntry m_entry;
    bool m_trueSolarTime = false;

    wxTextCtrl* m_name = nullptr;
    wxRadioButton* m_lunar = nullptr;
    wxRadioButton* m_solar = nullptr;
    wxRadioButton* m_male = nullptr;
    wxRadioButton* m_female = nullptr;
    wxComboBox* m_year = nullptr;
    wxComboBox* m_month = nullptr;
    wxComboBox* m_day = nullptr;
    wxComboBox* m_hour = nullptr;
    wxComboBox* m_minute = nullptr;
    wxCheckBox* m_leap = nullptr;
    wxComboBox* m_province = nullptr;
    wxComboBox* m_city = nullptr;
    wxStaticText* m_provinceLabel = nullptr;
    wxStaticText* m_cityLabel = nullptr;
    wxStaticBox* m_placeGroup = nullptr;
    wxRadioButton* m_domestic = nullptr;
    wxRadioButton* m_abroad = nullptr;
    wxStaticText* m_longitudeLabel = nullptr;
    wxStaticText* m_latitudeLabel = nullptr;
    wxStaticText* m_zoneLabel = nullptr;
    wxTextCtrl* m_longitude = nullptr;
    wxTextCtrl* m_latitude = nullptr;
    wxTextCtrl* m_zoneSearch = nullptr;
    wxListBox* m_zoneList = nullptr;
    wxStaticText* m_zoneChosen = nullptr;
    std::vector<const ZoneEntry*> m_zones;  // the lines of the zone list
    wxStaticText* m_help = nullptr;
};

}  // namespace orvane::gui
