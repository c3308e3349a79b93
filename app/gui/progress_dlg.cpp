#include "app/gui/progress_dlg.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/gui/color_progress_ctrl.h"
#include "app/gui/gbk.h"
#include "platform/message.h"

namespace orvane::gui {
namespace {

// The stages of the right-hand column, top to bottom; the other eight form the left one.
constexpr std::array<int, 7> kRightColumn = {8, 9, 11, 10, 12, 13, 14};

bool in_right_column(int stage) {
    for (int s : kRightColumn)
        if (s == stage) return true;
    return false;
}

}  // namespace

CProgressDlg::CProgressDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, from_gbk("进度"), wxDefaultPosition, wxDefaultSize, wxCAPTION) {
    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    auto* left = new wxFlexGridSizer(2, wxSize(6, 4));
    auto* right = new wxFlexGridSizer(2, wxSize(6, 4));
    const wxSize markSize = FromDIP(wxSize(18, -1));
    auto addStage = [&](wxFlexGridSizer* column, int stage) {
        const ChartStage& row = ChartStages[static_cast<std::size_t>(stage)];
        m_marks[static_cast<std::size_t>(stage)] = new wxStaticText(this, row.markCell, "", wxDefaultPosition, markSize);
        column->Add(m_marks[static_cast<std::size_t>(stage)]);
        column->Add(new wxStaticText(this, wxID_ANY, from_gbk(row.label)));
    };
    for (int stage = 0; stage < kChartStageCount; ++stage)
        if (!in_right_column(stage)) addStage(left, stage);
    for (int stage : kRightColumn) addStage(right, stage);
    columns->Add(left, 0, wxRIGHT, 24);
    columns->Add(right, 0);

    m_bar = new CColorProgressCtrl(this, kProgressBarId, wxDefaultPosition, FromDIP(wxSize(-1, 20)));
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(columns, 0, wxALL, 12);
    top->Add(m_bar, 0, wxEXPAND | wxLEFT | wxRIGHT, 12);
    top->Add(new wxButton(this, wxID_CANCEL, from_gbk("取消(&C)")), 0, wxALIGN_CENTER | wxALL, 10);
    SetSizerAndFit(top);
    CentreOnScreen();

    Bind(wxEVT_BUTTON, &CProgressDlg::OnCancel, this, wxID_CANCEL);
    Bind(wxEVT_CLOSE_WINDOW, &CProgressDlg::OnClose, this);
}

void CProgressDlg::set_position(int position) {
    m_bar->SetPos(position);
    // Let waiting events run, so that the bar repaints and Cancel can be pressed.
    wxTheApp->Yield(true);
}

void CProgressDlg::stage_done(int stageIndex) {
    wxStaticText* mark = m_marks[static_cast<std::size_t>(stageIndex)];
    mark->SetLabel(from_gbk("√"));
    mark->Update();
}

wxString CProgressDlg::MarkOf(int stageIndex) const { return m_marks[static_cast<std::size_t>(stageIndex)]->GetLabel(); }

void CProgressDlg::OnCancel(wxCommandEvent&) {
    if (m_cancelled || !platform::ask_yes_no("是否取消？")) return;
    m_cancelled = true;
    Hide();
}

void CProgressDlg::OnClose(wxCloseEvent& event) {
    // The close box asks like the button; the window itself goes when the build ends.
    wxCommandEvent cancel(wxEVT_BUTTON, wxID_CANCEL);
    OnCancel(cancel);
    event.Veto();
}

}  // namespace orvane::gui
