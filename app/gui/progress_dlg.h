// 进度 — the modeless window of one chart build: fifteen stages ticked off with
// "√" and a colour bar, and the Cancel button, kept alive by pumping events
// between the positions of the bar.
#pragma once

#include <wx/dialog.h>

#include <array>

#include "app/build_chart.h"

class wxStaticText;

namespace orvane::gui {

class CColorProgressCtrl;

inline constexpr int kProgressBarId = 1000;

class CProgressDlg : public wxDialog, public BuildObserver {
public:
    explicit CProgressDlg(wxWindow* parent);

    void set_position(int position) override;
    bool cancelled() override { return m_cancelled; }
    void stage_done(int stageIndex) override;

    CColorProgressCtrl* Bar() const { return m_bar; }
    wxString MarkOf(int stageIndex) const;

private:
    void OnCancel(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);

    std::array<wxStaticText*, kChartStageCount> m_marks{};
    CColorProgressCtrl* m_bar = nullptr;
    bool m_cancelled = false;
};

}  // namespace orvane::gui
