#include "app/gui/page_setup_dlg.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <cmath>

#include "app/gui/gbk.h"

namespace orvane::gui {
namespace {

constexpr int kMaxMarginMm = 60;

}  // namespace

CPageSetupDlg::CPageSetupDlg(wxWindow* parent, const PageLayout& layout)
    : wxDialog(parent, wxID_ANY, from_gbk("页面设置")), m_start(layout) {
    using namespace page_setup_ids;
    std::size_t count = 0;
    const PaperChoice* papers = paper_choices(&count);
    auto* paperBox = new wxStaticBoxSizer(wxVERTICAL, this, from_gbk("纸张"));
    m_paper = new wxChoice(paperBox->GetStaticBox(), kPaper);
    int chosen = 0;
    for (std::size_t i = 0; i < count; ++i) {
        m_paper->Append(from_gbk(papers[i].label));
        if (layout.paper == papers[i].name) chosen = static_cast<int>(i);
    }
    m_paper->SetSelection(chosen);
    auto* paperRow = new wxBoxSizer(wxHORIZONTAL);
    paperRow->Add(new wxStaticText(paperBox->GetStaticBox(), wxID_ANY, from_gbk("大小(&Z):")), 0,
                  wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    paperRow->Add(m_paper, 1);
    paperBox->Add(paperRow, 0, wxEXPAND | wxALL, 6);

    auto* orientation = new wxStaticBoxSizer(wxHORIZONTAL, this, from_gbk("方向"));
    m_portrait = new wxRadioButton(orientation->GetStaticBox(), kPortrait, from_gbk("纵向(&O)"), wxDefaultPosition,
                                   wxDefaultSize, wxRB_GROUP);
    m_landscape = new wxRadioButton(orientation->GetStaticBox(), kLandscape, from_gbk("横向(&A)"));
    (layout.landscape ? m_landscape : m_portrait)->SetValue(true);
    orientation->Add(m_portrait, 0, wxALL, 6);
    orientation->Add(m_landscape, 0, wxALL, 6);

    auto* marginBox = new wxStaticBoxSizer(wxVERTICAL, this, from_gbk("页边距(毫米)"));
    auto* grid = new wxFlexGridSizer(4, wxSize(8, 6));
    const char* labels[] = {"上(&T):", "下(&B):", "左(&L):", "右(&R):"};
    const int ids[] = {kTop, kBottom, kLeft, kRight};
    const double values[] = {layout.topMm, layout.bottomMm, layout.leftMm, layout.rightMm};
    for (int i = 0; i < 4; ++i) {
        grid->Add(new wxStaticText(marginBox->GetStaticBox(), wxID_ANY, from_gbk(labels[i])), 0, wxALIGN_CENTER_VERTICAL);
        m_margins[i] = new wxSpinCtrl(marginBox->GetStaticBox(), ids[i], "", wxDefaultPosition, wxDefaultSize,
                                      wxSP_ARROW_KEYS, 0, kMaxMarginMm, static_cast<int>(std::lround(values[i])));
        grid->Add(m_margins[i]);
    }
    marginBox->Add(grid, 0, wxALL, 6);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(this, wxID_OK, from_gbk("确定(&O)"));
    ok->SetDefault();
    buttons->Add(ok, 0, wxRIGHT, 8);
    buttons->Add(new wxButton(this, wxID_CANCEL, from_gbk("取消(&C)")));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(paperBox, 0, wxEXPAND | wxALL, 10);
    top->Add(orientation, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
    top->Add(marginBox, 0, wxEXPAND | wxALL, 10);
    top->Add(buttons, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    SetSizerAndFit(top);
    CentreOnParent();
}

PageLayout CPageSetupDlg::Layout() const {
    std::size_t count = 0;
    const PaperChoice* papers = paper_choices(&count);
    PageLayout layout = m_start;
    const int chosen = m_paper->GetSelection();
    if (chosen >= 0 && static_cast<std::size_t>(chosen) < count) layout.paper = papers[chosen].name;
    layout.landscape = m_landscape->GetValue();
    layout.topMm = m_margins[0]->GetValue();
    layout.bottomMm = m_margins[1]->GetValue();
    layout.leftMm = m_margins[2]->GetValue();
    layout.rightMm = m_margins[3]->GetValue();
    return layout;
}

}  // namespace orvane::gui
