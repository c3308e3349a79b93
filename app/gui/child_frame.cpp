#include "app/gui/child_frame.h"

#include "app/gui/tamsel_view.h"

namespace orvane::gui {

CChildFrame::CChildFrame(wxDocument* document, CTamselView* view, wxMDIParentFrame* parent)
    : wxDocMDIChildFrame(document, view, parent, wxID_ANY, document->GetUserReadableName()) {
    Maximize();
}

CTamselView* CChildFrame::View() const { return static_cast<CTamselView*>(GetView()); }

}  // namespace orvane::gui
