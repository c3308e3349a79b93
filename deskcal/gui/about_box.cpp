#include "deskcal/gui/about_box.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include <string>

#include "deskcal/calendar/lunar_tables.h"
#include "deskcal/gui/gbk_text.h"
#include "deskcal/gui/program_icon.h"

namespace deskcal {

AboutBox::AboutBox(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, from_gbk("关于 Kerrow万年历"), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* body = new wxBoxSizer(wxHORIZONTAL);
    body->Add(new wxStaticBitmap(this, about_ids::kIcon, program_icon_bitmap(48)), 0, wxALL, 12);

    auto* words = new wxBoxSizer(wxVERTICAL);
    auto* name = new wxStaticText(this, about_ids::kName, from_gbk("Kerrow万年历"));
    name->SetFont(name->GetFont().Bold().Scaled(1.3f));
    words->Add(name, 0, wxBOTTOM, 8);
    const std::string text = "公历与农历对照，附节气与干支纪年。\n可查 " + std::to_string(kFirstYear) + " 年至 " +
                             std::to_string(kLastYear) + " 年。\n\n单击日期看它的农历，右击月历可改颜色；\n"
                             "最小化后在通知区，单击图标即可恢复。";
    words->Add(new wxStaticText(this, about_ids::kText, from_gbk(text)));
    body->Add(words, 1, wxTOP | wxRIGHT | wxBOTTOM, 12);
    top->Add(body, 1, wxEXPAND);

    auto* ok = new wxButton(this, wxID_OK, from_gbk("确定"));
    ok->SetDefault();
    top->Add(ok, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, 12);
    SetSizerAndFit(top);
    // A fixed size, taken again once on screen: GTK measures multi-line text
    // shorter before the box is mapped.
    SetMinSize(GetSize());
    SetMaxSize(GetSize());
    Bind(wxEVT_SHOW, [this](wxShowEvent& event) {
        event.Skip();
        if (event.IsShown())
            CallAfter([this] {
                SetMinSize(wxDefaultSize);
                SetMaxSize(wxDefaultSize);
                const wxSize best = GetBestSize();
                SetSize(best);
                SetMinSize(best);
                SetMaxSize(best);
            });
    });
    SetEscapeId(wxID_OK);
    CentreOnParent();
}

}  // namespace deskcal
