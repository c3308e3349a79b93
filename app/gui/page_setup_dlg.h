// 页面设置 — paper, orientation and margins for printing, the preview and PDF files.
#pragma once

#include <wx/dialog.h>

#include "app/gui/report_print.h"

class wxChoice;
class wxRadioButton;
class wxSpinCtrl;

namespace orvane::gui {

namespace page_setup_ids {
inline constexpr int kPaper = 2101, kPortrait = 2102, kLandscape = 2103, kTop = 2104, kBottom = 2105, kLeft = 2106,
                     kRight = 2107;
}

class CPageSetupDlg : public wxDialog {
public:
    CPageSetupDlg(wxWindow* parent, const PageLayout& layout);
    // The layout as the controls hold it.
    PageLayout Layout() const;

private:
    wxChoice* m_paper = nullptr;
    wxRadioButton* m_portrait = nullptr;
    wxRadioButton* m_landscape = nullptr;
    wxSpinCtrl* m_margins[4] = {};  // top, bottom, left, right
    PageLayout m_start;
};

}  // namespace orvane::gui
