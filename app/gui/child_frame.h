// 命稿窗口 — one chart window: a maximized MDI child holding the view's page.
#pragma once

#include <wx/docmdi.h>

namespace orvane::gui {

class CTamselView;

class CChildFrame : public wxDocMDIChildFrame {
public:
    CChildFrame(wxDocument* document, CTamselView* view, wxMDIParentFrame* parent);
    CTamselView* View() const;
};

}  // namespace orvane::gui
