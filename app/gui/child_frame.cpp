#include "app/gui/child_frame.h"

#include <wx/sizer.h>

#include "app/gui/gbk.h"
#include "app/gui/tamsel_view.h"

namespace orvane::gui {
namespace {

// The framework numbers the windows of the one document type from 1.
int next_window_number() {
    static int number = 0;
    return ++number;
}

}  // namespace

CChildFrame::CChildFrame(wxMDIParentFrame* parent)
    : wxMDIChildFrame(parent, wxID_ANY, FromGbk("Kerrow八字-命稿") + wxString::Format("%d", next_window_number())) {
    m_view = new CTamselView(this);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_view, 1, wxEXPAND);
    SetSizer(sizer);
    Maximize();
}

}  // namespace orvane::gui
