#include "app/gui/birth_dlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

#include "app/gui/birth_years.h"
#include "app/gui/gbk.h"
#include "app/gui/place_lists.h"
#include "app/gui/text_wrap.h"
#include "app/options_file.h"
#include "engine/chart_state.h"
#include "engine/options.h"

namespace orvane::gui {
namespace {

wxArrayString number_items(int first, int last) {
    wxArrayString items;
    for (int n = first; n <= last; ++n) items.Add(wxString::Format("%d", n));
    return items;
}

wxComboBox* drop_down(wxWindow* parent, int id, const wxArrayString& items, long sorted = 0) {
    return new wxComboBox(parent, id, "", wxDefaultPosition, wxDefaultSize, items, wxCB_READONLY | sorted);
}

int selection_of(wxComboBox* list) { return list->GetSelection() == wxNOT_FOUND ? -1 : list->GetSelection(); }

// The fields whose help the "说明" box shows; it is made tall enough for the longest.
constexpr BirthField kHelpFields[] = {BirthField::calendar, BirthField::name, BirthField::place, BirthField::year,
                                      BirthField::month,    BirthField::leap, BirthField::day,   BirthField::hour,
                                      BirthField::minute,   BirthField::sex,  BirthField::coordinates,
                                      BirthField::zone};

void select_item(wxComboBox* list, int index) {
    if (index >= 0 && index < static_cast<int>(list->GetCount()))
        list->SetSelection(index);
    else
        list->SetSelection(wxNOT_FOUND);
}

void select_text(wxComboBox* list, const std::string& gbk) {
    const int index = gbk.empty() ? wxNOT_FOUND : list->FindString(from_gbk(gbk), true);
    list->SetSelection(index);
}

}  // namespace

int year_index_of(const wxString& typed) {
    long year = 0;
    wxString digits = typed;
    digits.Trim(true).Trim(false);
    if (digits.empty() || !digits.IsNumber() || !digits.ToLong(&year)) return -1;
    if (year < kFirstDialogYear || year > kLastDialogYear) return -1;
    return static_cast<int>(year) - kFirstDialogYear;
}

CBirthDlg::CBirthDlg(wxWindow* parent, bool editMode) : wxDialog(parent, wxID_ANY, from_gbk("生辰")) {
    read_options();
    m_trueSolarTime = options.optTrueSolarTime != 0;
    // Editing fills the dialog only once a chart has a lunar year; before the first
    // chart "修改生辰" opens the empty dialog.
    const bool fill = editMode && chart.lunarYear >= 1;
    m_entry = fill ? birth_entry_from_chart(m_trueSolarTime) : new_birth_entry();
    BuildControls();

    if (m_trueSolarTime) {
        m_province->Set(province_items());
        EnablePlace(true, fill);
    } else {
        EnablePlace(false, false);
        m_entry.provinceText.clear();
        m_entry.cityText.clear();
    }
    PushToControls();
    CentreOnParent();
    // GTK may map the dialog smaller than its sizer asks (seen when it opens with
    // the zone list filled and chosen): give it its full size once on screen.
    Bind(wxEVT_SHOW, [this](wxShowEvent& event) {
        event.Skip();
        if (event.IsShown())
            CallAfter([this] {
                if (GetSize().y < GetBestSize().y || GetSize().x < GetBestSize().x) {
                    SetSize(GetBestSize());
                    CentreOnParent();
                }
            });
    });
}

void CBirthDlg::BuildControls() {
    using namespace birth_ids;
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* grid = new wxFlexGridSizer(4, wxSize(8, 6));

    m_name = new wxTextCtrl(this, kName, "");
    grid->Add(new wxStaticText(this, wxID_ANY, from_gbk("姓名:")), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(m_name, 1, wxEXPAND);
    m_male = new wxRadioButton(this, kMale, from_gbk("男"), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    m_female = new wxRadioButton(this, kFemale, from_gbk("女"));
    auto* sex = new wxBoxSizer(wxHORIZONTAL);
    sex->Add(m_male, 0, wxRIGHT, 8);
    sex->Add(m_female);
    grid->Add(new wxStaticText(this, wxID_ANY, from_gbk("性别:")), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(sex);

    m_lunar = new wxRadioButton(this, kLunar, from_gbk("农历"), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    m_solar = new wxRadioButton(this, kSolar, from_gbk("公历"));
    auto* calendar = new wxBoxSizer(wxHORIZONTAL);
    calendar->Add(m_lunar, 0, wxRIGHT, 8);
    calendar->Add(m_solar);
    grid->Add(new wxStaticText(this, wxID_ANY, from_gbk("历法:")), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(calendar);
    m_leap = new wxCheckBox(this, kLeap, from_gbk("闰"));
    grid->AddSpacer(0);
    grid->Add(m_leap);

    // The year list also takes a typed year.
    m_year = new wxComboBox(this, kYear, "", wxDefaultPosition, wxDefaultSize,
                            number_items(kFirstDialogYear, kLastDialogYear), wxTE_PROCESS_ENTER);
    m_month = drop_down(this, kMonth, number_items(1, 12));
    grid->Add(new wxStaticText(this, wxID_ANY, from_gbk("年:")), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(m_year, 1, wxEXPAND);
    grid->Add(new wxStaticText(this, wxID_ANY, from_gbk("月:")), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(m_month, 1, wxEXPAND);

    m_day = drop_down(this, kDay, number_items(1, 31));
    m_hour = drop_down(this, kHour, number_items(0, 23));
    grid->Add(new wxStaticText(this, wxID_ANY, from_gbk("日:")), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(m_day, 1, wxEXPAND);
    grid->Add(new wxStaticText(this, wxID_ANY, from_gbk("时:")), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(m_hour, 1, wxEXPAND);

    m_minute = drop_down(this, kMinute, number_items(0, 59));
    grid->Add(new wxStaticText(this, wxID_ANY, from_gbk("分:")), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(m_minute, 1, wxEXPAND);
    grid->AddGrowableCol(1);
    grid->AddGrowableCol(3);
    top->Add(grid, 0, wxEXPAND | wxALL, 10);

    m_placeGroup = new wxStaticBox(this, kPlaceGroup, from_gbk("出生地点"));
    auto* place = new wxStaticBoxSizer(m_placeGroup, wxVERTICAL);
    m_domestic = new wxRadioButton(m_placeGroup, kDomestic, from_gbk("国内城市"), wxDefaultPosition, wxDefaultSize,
                                   wxRB_GROUP);
    m_abroad = new wxRadioButton(m_placeGroup, kAbroad, from_gbk("国外/其他地点"));
    auto* kind = new wxBoxSizer(wxHORIZONTAL);
    kind->Add(m_domestic, 0, wxRIGHT, 12);
    kind->Add(m_abroad);
    place->Add(kind, 0, wxBOTTOM, 6);

    m_provinceLabel = new wxStaticText(m_placeGroup, kProvinceLabel, from_gbk("省"));
    m_province = drop_down(m_placeGroup, kProvince, {});
    m_cityLabel = new wxStaticText(m_placeGroup, kCityLabel, from_gbk("市"));
    m_city = drop_down(m_placeGroup, kCity, {});
    auto* domesticRow = new wxBoxSizer(wxHORIZONTAL);
    domesticRow->Add(m_provinceLabel, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
    domesticRow->Add(m_province, 1, wxRIGHT, 12);
    domesticRow->Add(m_cityLabel, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
    domesticRow->Add(m_city, 1);
    place->Add(domesticRow, 0, wxEXPAND | wxRIGHT, 4);

    // Abroad: degrees typed (west and south negative), the zone picked from a list
    // that the search box narrows.
    auto* abroad = new wxFlexGridSizer(2, wxSize(6, 4));
    abroad->AddGrowableCol(1);
    m_longitude = new wxTextCtrl(m_placeGroup, kLongitude, "");
    m_latitude = new wxTextCtrl(m_placeGroup, kLatitude, "");
    auto* coordinates = new wxBoxSizer(wxHORIZONTAL);
    coordinates->Add(m_longitude, 1, wxRIGHT, 12);
    m_latitudeLabel = new wxStaticText(m_placeGroup, wxID_ANY, from_gbk("纬度"));
    coordinates->Add(m_latitudeLabel, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
    coordinates->Add(m_latitude, 1);
    m_longitudeLabel = new wxStaticText(m_placeGroup, wxID_ANY, from_gbk("经度"));
    abroad->Add(m_longitudeLabel, 0, wxALIGN_CENTER_VERTICAL);
    abroad->Add(coordinates, 1, wxEXPAND);
    m_zoneSearch = new wxTextCtrl(m_placeGroup, kZoneSearch, "");
    m_zoneSearch->SetHint(from_gbk("输入城市或时区名查找，如 new york"));
    m_zoneLabel = new wxStaticText(m_placeGroup, wxID_ANY, from_gbk("时区"));
    abroad->Add(m_zoneLabel, 0, wxALIGN_CENTER_VERTICAL);
    abroad->Add(m_zoneSearch, 1, wxEXPAND);
    m_zoneList = new wxListBox(m_placeGroup, kZoneList, wxDefaultPosition, wxSize(26 * GetCharHeight(), 5 * GetCharHeight() + 12), 0,
                               nullptr, wxLB_SINGLE | wxLB_NEEDED_SB | wxLB_HSCROLL);
    abroad->AddSpacer(0);
    abroad->Add(m_zoneList, 1, wxEXPAND);
    m_zoneChosen = new wxStaticText(m_placeGroup, kZoneChosen, "");
    abroad->AddSpacer(0);
    abroad->Add(m_zoneChosen, 1, wxEXPAND);
    place->Add(abroad, 0, wxEXPAND | wxTOP | wxRIGHT | wxBOTTOM, 4);
    top->Add(place, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);

    auto* helpGroup = new wxStaticBoxSizer(wxVERTICAL, this, from_gbk("说明"));
    m_help = new wxStaticText(helpGroup->GetStaticBox(), kHelp, "", wxDefaultPosition, wxDefaultSize,
                              wxST_NO_AUTORESIZE);
    helpGroup->Add(m_help, 1, wxEXPAND | wxALL, 4);
    top->Add(helpGroup, 0, wxEXPAND | wxALL, 10);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(this, wxID_OK, from_gbk("确定(&O)"));
    ok->SetDefault();
    buttons->Add(ok, 0, wxRIGHT, 8);
    buttons->Add(new wxButton(this, wxID_CANCEL, from_gbk("取消(&C)")));
    top->Add(buttons, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    SetSizerAndFit(top);
    // Now that the box has its width, give it the height of the longest help text.
    int lines = 1;
    for (BirthField field : kHelpFields)
        lines = std::max(lines, static_cast<int>(wrap_text(from_gbk(help_text(field)), HelpWidth(), *m_help).Freq('\n')) + 1);
    m_help->SetMinSize(wxSize(-1, lines * m_help->GetCharHeight() + 4));
    Fit();

    Bind(wxEVT_BUTTON, &CBirthDlg::OnOK, this, wxID_OK);
    m_lunar->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) {
        ShowHelp(BirthField::calendar);
        PullFromControls();
        choose_calendar(m_entry, 0);
        m_leap->Enable(true);
        FillDays();
    });
    m_solar->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) {
        ShowHelp(BirthField::calendar);
        PullFromControls();
        choose_calendar(m_entry, 1);
        m_leap->Enable(false);
        FillDays();
    });
    for (wxRadioButton* button : {m_male, m_female})
        button->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { ShowHelp(BirthField::sex); });
    m_leap->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { ShowHelp(BirthField::leap); });
    m_name->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
        // The name holds at most 19 bytes of GBK; longer input is cut back at once.
        const std::string typed = ToGbk(m_name->GetValue());
        const std::string kept = clip_name(typed);
        if (kept != typed) {
            m_name->ChangeValue(from_gbk(kept));
            m_name->SetInsertionPointEnd();
        }
        ShowHelp(BirthField::name);
    });
    const std::pair<wxComboBox*, BirthField> lists[] = {
        {m_year, BirthField::year},     {m_month, BirthField::month}, {m_day, BirthField::day},
        {m_hour, BirthField::hour},     {m_minute, BirthField::minute}, {m_province, BirthField::place},
        {m_city, BirthField::place}};
    for (const auto& [list, field] : lists) {
        const BirthField shown = field;
        list->Bind(wxEVT_COMBOBOX_DROPDOWN, [this, shown](wxCommandEvent& e) {
            ShowHelp(shown);
            e.Skip();
        });
    }
    m_province->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) {
        choose_province(m_entry, ToGbk(m_province->GetStringSelection()));
        FillCities();
        EnablePlace(true, true);
    });

    for (wxRadioButton* button : {m_domestic, m_abroad})
        button->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) {
            PullFromControls();
            choose_abroad(m_entry, m_abroad->GetValue());
            ShowHelp(m_entry.abroad ? BirthField::coordinates : BirthField::place);
            ShowPlaceKind();
        });
    for (wxTextCtrl* text : {m_longitude, m_latitude}) {
        text->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { ShowHelp(BirthField::coordinates); });
        text->Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) {
            ShowHelp(BirthField::coordinates);
            e.Skip();
        });
    }
    m_zoneSearch->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
        ShowHelp(BirthField::zone);
        FillZones();
    });
    m_zoneSearch->Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) {
        ShowHelp(BirthField::zone);
        e.Skip();
    });
    m_zoneList->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) {
        ShowHelp(BirthField::zone);
        ChooseListedZone();
    });
}

void CBirthDlg::FillZones() {
    m_zones = search_zones(ToGbk(m_zoneSearch->GetValue()));
    wxArrayString lines;
    lines.reserve(m_zones.size());
    int chosen = wxNOT_FOUND;
    for (const ZoneEntry* zone : m_zones) {
        if (zone->zone == m_entry.zoneText) chosen = static_cast<int>(lines.size());
        lines.Add(from_gbk(zone_list_text(*zone)));
    }
    m_zoneList->Freeze();
    m_zoneList->Set(lines);
    m_zoneList->SetSelection(chosen);
    m_zoneList->Thaw();
    // Scrolling a list that is not on screen yet upsets GTK's layout of the dialog.
    if (chosen != wxNOT_FOUND && m_zoneList->IsShownOnScreen()) m_zoneList->EnsureVisible(chosen);
}

void CBirthDlg::ChooseListedZone() {
    const int line = m_zoneList->GetSelection();
    if (line == wxNOT_FOUND || line >= static_cast<int>(m_zones.size())) return;
    // What is typed in the coordinates counts first: only empty ones take the city's.
    m_entry.longitudeText = ToGbk(m_longitude->GetValue());
    m_entry.latitudeText = ToGbk(m_latitude->GetValue());
    choose_zone(m_entry, *m_zones[static_cast<std::size_t>(line)]);
    m_longitude->ChangeValue(from_gbk(m_entry.longitudeText));
    m_latitude->ChangeValue(from_gbk(m_entry.latitudeText));
    ShowChosenZone();
}

void CBirthDlg::ShowChosenZone() {
    m_zoneChosen->SetLabel(m_entry.zoneText.empty() ? from_gbk("尚未选择时区")
                                                    : from_gbk("已选：" + m_entry.zoneText));
}

void CBirthDlg::ShowPlaceKind() {
    // Both kinds stay in sight, so that the dialog keeps its size; only the chosen
    // one can be used.
    ShowChosenZone();
    (m_entry.abroad ? m_abroad : m_domestic)->SetValue(true);
    if (!m_trueSolarTime) return;  // the whole group is greyed
    const bool abroad = m_entry.abroad;
    EnablePlace(!abroad, !abroad && !m_entry.provinceText.empty());
    m_placeGroup->Enable(true);
    const std::initializer_list<wxWindow*> abroadControls = {m_longitudeLabel, m_longitude,  m_latitudeLabel,
                                                             m_latitude,       m_zoneLabel,  m_zoneSearch,
                                                             m_zoneList,       m_zoneChosen};
    for (wxWindow* control : abroadControls) control->Enable(abroad);
}

void CBirthDlg::EnablePlace(bool provinceToo, bool city) {
    m_placeGroup->Enable(provinceToo || m_entry.abroad);
    m_provinceLabel->Enable(provinceToo);
    m_province->Enable(provinceToo);
    m_cityLabel->Enable(city);
    m_city->Enable(city);
}

void CBirthDlg::FillDays() {
    m_day->Set(number_items(1, m_entry.dayCount()));
    select_item(m_day, m_entry.dayIndex);
}

void CBirthDlg::FillCities() {
    m_city->Set(city_items(m_entry.provinceText));
    select_text(m_city, m_entry.cityText);
}

int CBirthDlg::HelpWidth() const { return std::max(m_help->GetSize().x, m_help->GetCharHeight() * 8); }

void CBirthDlg::ShowHelp(BirthField field) {
    m_help->SetLabel(wrap_text(from_gbk(help_text(field)), HelpWidth(), *m_help));
}

void CBirthDlg::PushToControls() {
    m_name->ChangeValue(from_gbk(m_entry.nameText));
    (m_entry.lunar() ? m_lunar : m_solar)->SetValue(true);
    (m_entry.sexIndex == 0 ? m_male : m_female)->SetValue(true);
    m_leap->SetValue(m_entry.leap);
    m_leap->Enable(m_entry.leapEnabled());
    FillDays();
    select_item(m_year, m_entry.yearIndex);
    if (m_entry.yearIndex < 0) m_year->ChangeValue("");
    select_item(m_month, m_entry.monthIndex);
    select_item(m_hour, m_entry.hourIndex);
    select_item(m_minute, m_entry.minuteIndex);
    if (m_trueSolarTime && !m_entry.provinceText.empty()) {
        select_text(m_province, m_entry.provinceText);
        FillCities();
    }
    m_longitude->ChangeValue(from_gbk(m_entry.longitudeText));
    m_latitude->ChangeValue(from_gbk(m_entry.latitudeText));
    // A zone already chosen is searched for, so that its line is in sight.
    m_zoneSearch->ChangeValue(from_gbk(m_entry.zoneText));
    FillZones();
    ShowPlaceKind();
}

void CBirthDlg::PullFromControls() {
    m_entry.nameText = clip_name(ToGbk(m_name->GetValue()));
    m_entry.calendarIndex = m_lunar->GetValue() ? 0 : 1;
    m_entry.sexIndex = m_male->GetValue() ? 0 : 1;
    m_entry.yearIndex = year_index_of(m_year->GetValue());
    m_entry.monthIndex = selection_of(m_month);
    m_entry.dayIndex = selection_of(m_day);
    m_entry.hourIndex = selection_of(m_hour);
    m_entry.minuteIndex = selection_of(m_minute);
    m_entry.leap = m_leap->IsEnabled() && m_leap->GetValue();
    m_entry.provinceText = m_trueSolarTime ? ToGbk(m_province->GetStringSelection()) : std::string();
    m_entry.cityText = m_trueSolarTime ? ToGbk(m_city->GetStringSelection()) : std::string();
    // Both kinds of place keep what was typed, for switching back; the zone is
    // kept in the entry when it is picked from the list.
    m_entry.abroad = m_trueSolarTime && m_abroad->GetValue();
    m_entry.longitudeText = ToGbk(m_longitude->GetValue());
    m_entry.latitudeText = ToGbk(m_latitude->GetValue());
}

void CBirthDlg::OnOK(wxCommandEvent&) {
    PullFromControls();
    if (accept_birth_entry(m_entry, m_trueSolarTime)) EndDialog(wxID_OK);
}

}  // namespace orvane::gui
