#include "app/gui/city_dlg.h"

#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <cstdio>

#include "engine/city_table.h"
#include "app/gui/gbk.h"
#include "app/gui/place_lists.h"

namespace orvane::gui {

CCityDlg::CCityDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, from_gbk("城市经纬度"), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxCLOSE_BOX | wxSYSTEM_MENU) {
    using namespace city_ids;
    m_province = new wxComboBox(this, kProvince, "", wxDefaultPosition, FromDIP(wxSize(120, -1)), province_items(),
                                wxCB_READONLY);
    m_city = new wxComboBox(this, kCity, "", wxDefaultPosition, FromDIP(wxSize(140, -1)), {}, wxCB_READONLY);
    m_cityLabel = new wxStaticText(this, kCityLabel, from_gbk("市"));
    m_info = new wxStaticText(this, kInfo, "", wxDefaultPosition, FromDIP(wxSize(240, 64)));
    m_city->Disable();
    m_cityLabel->Disable();

    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticText(this, wxID_ANY, from_gbk("省")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
    row->Add(m_province, 0, wxRIGHT, 12);
    row->Add(m_cityLabel, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
    row->Add(m_city);
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(row, 0, wxALL, 12);
    top->Add(m_info, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 12);
    SetSizerAndFit(top);
    // No Cancel button to press: Escape closes the box as its close box does.
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& key) {
        if (key.GetKeyCode() == WXK_ESCAPE) EndDialog(wxID_CANCEL);
        else key.Skip();
    });

    m_province->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) { ChooseProvince(m_province->GetStringSelection()); });
    m_city->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) { ChooseCity(m_city->GetStringSelection()); });
    CentreOnParent();
}

void CCityDlg::ChooseProvince(const wxString& province) {
    m_province->SetStringSelection(province);
    m_city->Set(city_items(ToGbk(province)));
    m_city->Enable();
    m_cityLabel->Enable();
    m_info->SetLabel("");
}

void CCityDlg::ChooseCity(const wxString& city) {
    m_city->SetStringSelection(city);
    const std::string province = ToGbk(m_province->GetStringSelection());
    const std::string name = ToGbk(city);
    const CityEntry* place = find_place(province, name);
    if (!place) {
        m_info->SetLabel(from_gbk("出错了!"));
        return;
    }
    char text[160];
    std::snprintf(text, sizeof text, "%s %s\n东经：%.1f度\n北纬：%.1f度", province.c_str(), name.c_str(),
                  place->longitude, place->latitude);
    m_info->SetLabel(from_gbk(text));
}

wxString CCityDlg::InfoText() const { return m_info->GetLabel(); }

}  // namespace orvane::gui
