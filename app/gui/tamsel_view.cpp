#include "app/gui/tamsel_view.h"

#include <wx/filesys.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/webview.h>

#include <memory>

#include "app/build_chart.h"
#include "app/gui/birth_dlg.h"
#include "app/gui/color_progress_ctrl.h"
#include "app/gui/command_ids.h"
#include "app/gui/gbk.h"
#include "app/gui/history_dialog.h"
#include "app/gui/progress_dlg.h"
#include "app/gui/reverse_dialog.h"
#include "app/style_menu.h"
#include "platform/program_dir.h"
#include "report/style_folder.h"

namespace orvane::gui {

bool CTamselView::s_building = false;

bool& style_menu_built() {
    static bool built = false;
    return built;
}

CTamselView::CTamselView(wxWindow* parent)
    : wxPanel(parent, wxID_ANY), m_programFolder(platform::program_dir()), m_nextStyleCommand(cmd::kFirstStyle) {
    m_browser = wxWebView::New(this, wxID_ANY, wxFileSystem::FileNameToURL(wxFileName(FromGbk(m_programFolder + "/help/welcome.htm"))));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_browser, 1, wxEXPAND);
    SetSizer(sizer);
}

void CTamselView::ShowProgramPage(const std::string& relative) { ShowPath(m_programFolder + "/" + relative); }

void CTamselView::ShowPath(const std::string& path) {
    m_browser->LoadURL(wxFileSystem::FileNameToURL(wxFileName(FromGbk(path))));
}

wxString CTamselView::CurrentUrl() const { return m_browser->GetCurrentURL(); }

template <class Dialog, class... Args>
void CTamselView::CastFrom(Args... args) {
    if (s_building) return;  // a second build must not run inside the first
    {
        Dialog dialog(this, args...);
        if (dialog.ShowModal() != wxID_OK) return;
    }
    build_chart();
    build_style_menu();
}

void CTamselView::OnInputBirth(bool editMode) { CastFrom<CBirthDlg>(editMode); }

void CTamselView::OnHistory() { CastFrom<CHistoryDlg>(); }

void CTamselView::OnReverseLookup() { CastFrom<CReverseDlg>(); }

void CTamselView::build_chart() {
    s_building = true;
    auto* progress = new CProgressDlg(this);
    progress->Bar()->SetRange(0, 100);
    progress->Bar()->m_startColour = FromColorRef(0x00FF0000);
    progress->Bar()->m_endColour = FromColorRef(0x00880000);
    progress->Bar()->m_showPercent = true;
    progress->Show();
    const BuildResult result = orvane::build_chart(*progress);
    progress->Destroy();
    s_building = false;
    if (result != BuildResult::written) return;
    Refresh(false);
    ShowPath(current_style_folder() + "/index.htm");
}

wxMenu* CTamselView::StyleMenu() const {
    auto* frame = wxDynamicCast(wxGetTopLevelParent(const_cast<CTamselView*>(this)), wxFrame);
    if (frame && frame->GetParent()) frame = wxDynamicCast(frame->GetParent(), wxFrame);  // the MDI parent
    if (!frame || !frame->GetMenuBar()) return nullptr;
    wxMenuBar* bar = frame->GetMenuBar();
    const int index = bar->FindMenu(FromGbk("格式(&S)"));
    return index == wxNOT_FOUND ? nullptr : bar->GetMenu(static_cast<size_t>(index));
}

void CTamselView::build_style_menu() {
    if (style_menu_built()) return;
    wxMenu* menu = StyleMenu();
    if (!menu) return;
    wxMenuBar* bar = menu->GetMenuBar();
    bar->EnableTop(static_cast<size_t>(bar->FindMenu(FromGbk("格式(&S)"))), true);
    const auto names = read_style_names();
    if (!names) return;
    for (const std::string& name : *names) {
        if (menu->FindItem(cmd::MenuId(m_nextStyleCommand))) menu->Destroy(cmd::MenuId(m_nextStyleCommand));
        menu->AppendRadioItem(cmd::MenuId(m_nextStyleCommand), FromGbk(name));
        ++m_nextStyleCommand;
    }
    if (wxMenuItem* item = menu->FindItem(cmd::MenuId(checked_style_command()))) item->Check(true);
    style_menu_built() = true;
}

void CTamselView::apply_style(const std::string& number) {
    if (orvane::apply_style(number) == StyleSwitch::written) ShowPath(current_style_folder() + "/index.htm");
}

}  // namespace orvane::gui
