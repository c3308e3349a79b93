// 城市经纬度 — looks up the longitude and latitude of a built-in birth place.
#pragma once

#include <wx/dialog.h>

class wxComboBox;
class wxStaticText;

namespace orvane::gui {

namespace city_ids {
inline constexpr int kCityLabel = 1005, kProvince = 1035, kCity = 1038, kInfo = 1039;
}

class CCityDlg : public wxDialog {
public:
    explicit CCityDlg(wxWindow* parent);
    void ChooseProvince(const wxString& province);
    void ChooseCity(const wxString& city);
    wxString InfoText() const;

private:
    wxComboBox* m_province;
    wxComboBox* m_city;
    wxStaticText* m_cityLabel;
    wxStaticText* m_info;
};

}  // namespace orvane::gui
