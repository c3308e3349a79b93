// 命稿窗口 — one chart window: a maximized MDI child holding the view.
#pragma once

#include <wx/mdi.h>

namespace orvane::gui {

class CTamselView;

class CChildFrame : public wxMDIChildFrame {
public:
    explicit CChildFrame(wxMDIParentFrame* parent);
    CTamselView* View() const { return m_view; }

private:
    CTamselView* m_view;
};

}  // namespace orvane::gui
