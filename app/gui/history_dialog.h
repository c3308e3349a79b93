// 历史记录 — the history dialog: the records of log.dat, one line each, to cast
// again or delete. The list and its rules live in app/history.h.
#pragma once

#include <wx/dialog.h>

#include "app/history.h"

class wxListBox;

namespace orvane::gui {

namespace history_ids {
inline constexpr int kList = 1045;
inline constexpr int kDelete = 3;
}  // namespace history_ids

class CHistoryDlg : public wxDialog {
public:
    // Lists log.dat at once (creating it when missing).
    explicit CHistoryDlg(wxWindow* parent);

    const HistoryDialogState& State() const { return m_state; }
    // "排八字": closes with wxID_OK once the chosen record stands as the chart's birth data.
    void OnRecast(wxCommandEvent& event);
    // "删除": asks, then takes the chosen record out of log.dat and of the list.
    void OnDelete(wxCommandEvent& event);

private:
    void FillList();
    void PullSelection();

    HistoryDialogState m_state;
    wxListBox* m_list = nullptr;
};

}  // namespace orvane::gui
