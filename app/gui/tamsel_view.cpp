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
#include "platform/message.h"
#include "platform/program_dir.h"
#include "report/style_folder.h"

namespace orvane::gui {

bool CTamselView::s_building = false;

bool& style_menu_built() {
    static bool built = false;
    return built;
}

wxMenu* FindStyleMenu(wxMenuBar* bar, size_t* top) {
    if (!bar) return nullptr;
    // The menu that holds the fixed hint item, whatever its label reads.
    for (size_t i = 0; i < bar->GetMenuCount(); ++i) {
        wxMenu* menu = bar->GetMenu(i);
        if (!menu->FindChildItem(cmd::MenuId(cmd::kStyleHint))) continue;
        if (top) *top = i;
        return menu;
    }
    return nullptr;
}

wxString StyleLabel(const std::string& gbkName) {
    wxString label = FromGbk(gbkName);
    label.Replace("&", "&&");   // a style name has no mnemonic
    label.Replace("\t", " ");  // nor an accelerator
    return label;
}

CTamselView::CTamselView(wxWindow* parent)
    : wxPanel(parent, wxID_ANY), m_programFolder(platform::program_dir()) {
    m_browser = wxWebView::New(this, wxID_ANY);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_browser, 1, wxEXPAND);
    SetSizer(sizer);
    const wxFileName welcome(FromGbk(m_programFolder + "/help/welcome.htm"));
    if (welcome.FileExists()) {
        m_browser->LoadURL(wxFileSystem::FileNameToURL(welcome));
    } else {
        // Not a blank window: say what is missing, and the menus work as ever.
        m_browser->SetPage("<html><body style='font-family:sans-serif;padding:2em'><p>" +
                               FromGbk("程序目录中没有欢迎页面：") + welcome.GetFullPath() + "</p></body></html>",
                           "");
    }
}

void CTamselView::ShowProgramPage(const std::string& relative) {
    // "help/yhxx.htm#version": the anchor belongs to the address, not to the file name.
    const std::size_t hash = relative.find('#');
    ShowPath(m_programFolder + "/" + relative.substr(0, hash), hash == std::string::npos ? "" : relative.substr(hash));
}

bool CTamselView::ShowPath(const std::string& path, const std::string& anchor) {
    const wxFileName file(FromGbk(path));
    if (!file.FileExists()) {
        // A missing page is said, and the page shown stays.
        platform::show_message("找不到页面文件：" + path);
        return false;
    }
    m_browser->LoadURL(wxFileSystem::FileNameToURL(file) + FromGbk(anchor));
    return true;
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
    ShowReport();
}

void CTamselView::ShowReport() {
    const std::string index = current_style_folder() + "/index.htm";
    // A style folder without its frame page still shows the report itself.
    ShowPath(wxFileName::FileExists(FromGbk(index)) ? index : right_page_path());
}

wxMenu* CTamselView::StyleMenu(size_t* top) const {
    auto* frame = wxDynamicCast(wxGetTopLevelParent(const_cast<CTamselView*>(this)), wxFrame);
    if (frame && frame->GetParent()) frame = wxDynamicCast(frame->GetParent(), wxFrame);  // the MDI parent
    return frame ? FindStyleMenu(frame->GetMenuBar(), top) : nullptr;
}

void CTamselView::build_style_menu() {
    if (style_menu_built()) return;
    size_t top = 0;
    wxMenu* menu = StyleMenu(&top);
    if (!menu) return;
    menu->GetMenuBar()->EnableTop(top, true);
    const auto names = read_style_names();
    if (!names) return;
    for (const StyleName& style : *names) {
        const wxString label = StyleLabel(style.name);
        if (label.empty()) continue;  // wx refuses an item without a label
        const int id = cmd::MenuId(cmd::kFirstStyle + style.item);
        if (menu->FindItem(id)) menu->Destroy(id);
        menu->AppendRadioItem(id, label);
    }
    if (wxMenuItem* item = menu->FindItem(cmd::MenuId(checked_style_command()))) item->Check(true);
    style_menu_built() = true;
}

void CTamselView::apply_style(const std::string& number) {
    if (orvane::apply_style(number) == StyleSwitch::written) ShowReport();
}

}  // namespace orvane::gui
