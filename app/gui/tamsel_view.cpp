#include "app/gui/tamsel_view.h"

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/filesys.h>
#include <wx/frame.h>
#include <wx/mdi.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/webview.h>

#include <memory>
#include <optional>

#include "app/build_chart.h"
#include "app/gui/birth_dlg.h"
#include "app/gui/child_frame.h"
#include "app/gui/color_progress_ctrl.h"
#include "app/gui/command_ids.h"
#include "app/gui/gbk.h"
#include "app/gui/history_dialog.h"
#include "app/gui/page_setup_dlg.h"
#include "app/gui/print_preview.h"
#include "app/gui/progress_dlg.h"
#include "app/gui/report_print.h"
#include "app/gui/reverse_dialog.h"
#include "app/gui/tamsel_doc.h"
#include "app/style_menu.h"
#include "platform/encoding.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/program_dir.h"
#include "report/style_folder.h"

namespace orvane::gui {

bool CTamselView::s_building = false;

bool& style_menu_built() {
    static bool built = false;
    return built;
}

wxMenu* find_style_menu(wxMenuBar* bar, size_t* top) {
    if (!bar) return nullptr;
    // The menu that holds the fixed hint item, whatever its label reads.
    for (size_t i = 0; i < bar->GetMenuCount(); ++i) {
        wxMenu* menu = bar->GetMenu(i);
        if (!menu->FindChildItem(cmd::menu_id(cmd::kStyleHint))) continue;
        if (top) *top = i;
        return menu;
    }
    return nullptr;
}

wxString style_label(const std::string& gbkName) {
    wxString label = from_gbk(gbkName);
    label.Replace("&", "&&");   // a style name has no mnemonic
    label.Replace("\t", " ");  // nor an accelerator
    return label;
}

wxIMPLEMENT_DYNAMIC_CLASS(CTamselView, wxView);

namespace {

// Larger than any page the program writes or ships.
constexpr std::uintmax_t kSavedPageLimit = 64u << 20;

// Commands of a chart window, each with its handler in the view.
struct ViewCommand {
    int command;
    void (CTamselView::*handler)();
};

// The pages a command shows, relative to the program folder. The maker's web pages
// have no site to go to; they open the local pages that say the same.
struct PageCommand {
    int command;
    const char* page;
};
constexpr PageCommand kPageCommands[] = {
    {cmd::kSampleReadings, "pmsl/index.htm"}, {cmd::kRecentChart, "style/02/index.htm"},
    {cmd::kKnowledge, "bzzs/index.htm"},      {cmd::kHtmlCalendar, "help/wyrl.htm"},
    {cmd::kUserInfo, "help/yhxx.htm"},        {cmd::kQuestions, "help/cjwt.htm"},
    {cmd::kHelpFile, "help/index.htm"},       {cmd::kWelcome, "help/welcome.htm"},
    {cmd::kHomePage, "help/index.htm"},       {cmd::kLatestVersion, "help/yhxx.htm#version"},
    {cmd::kStyleDownload, "help/index.htm#styles"}, {cmd::kGuestBook, "help/yhxx.htm#contact"},
};

const char* kOpenFilter =
    "HTML Files|*.htm;*.html|Text Files|*.txt|GIF Files|*.gif|JPEG Files|*.jpg;*.jpeg|AU Files|*.au|"
    "AIFF Files|*.aif;*.aiff|XBM Files|*.xbm|All Files|*.*";

}  // namespace

CTamselView::CTamselView() : m_programFolder(platform::program_dir()) {}

bool CTamselView::OnCreate(wxDocument* document, long flags) {
    if (!wxView::OnCreate(document, flags)) return false;
    wxMDIParentFrame* parent = static_cast<CDocManager*>(document->GetDocumentManager())->Frame();
    if (!parent) return false;
    m_frame = new CChildFrame(document, this, parent);
    SetFrame(m_frame);
    m_panel = new wxPanel(m_frame, wxID_ANY);
    m_browser = wxWebView::New(m_panel, wxID_ANY);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_browser, 1, wxEXPAND);
    m_panel->SetSizer(sizer);
    auto* frameSizer = new wxBoxSizer(wxVERTICAL);
    frameSizer->Add(m_panel, 1, wxEXPAND);
    m_frame->SetSizer(frameSizer);
    BindCommands();

    const wxFileName welcome(from_path(m_programFolder + "/help/welcome.htm"));
    if (welcome.FileExists()) {
        m_browser->LoadURL(wxFileSystem::FileNameToURL(welcome));
    } else {
        // Not a blank window: say what is missing, and the menus work as ever.
        m_browser->SetPage("<html><body style='font-family:sans-serif;padding:2em'><p>" +
                               from_gbk("程序目录中没有欢迎页面：") + welcome.GetFullPath() + "</p></body></html>",
                           "");
    }
    m_frame->Show();
    return true;
}

bool CTamselView::OnClose(bool deleteWindow) {
    if (!wxView::OnClose(deleteWindow)) return false;
    Activate(false);
    if (deleteWindow && m_frame) {
        m_frame->Destroy();
        SetFrame(nullptr);
        m_frame = nullptr;
    }
    return true;
}

wxWindow* CTamselView::Window() const { return m_panel; }

void CTamselView::BindCommands() {
    const ViewCommand commands[] = {
        {cmd::kInputBirth, &CTamselView::OnInputBirthCommand},
        {cmd::kEditBirth, &CTamselView::OnEditBirthCommand},
        {cmd::kHistory, &CTamselView::OnHistory},
        {cmd::kReverseLookup, &CTamselView::OnReverseLookup},
        {cmd::kSaveAs, &CTamselView::OnSaveAsCommand},
        {cmd::kSave, &CTamselView::OnSaveAsCommand},
        {cmd::kOpen, &CTamselView::OnOpen},
        {cmd::kPageSetup, &CTamselView::OnPageSetup},
        {cmd::kPrintSetup, &CTamselView::OnPageSetup},
        {cmd::kPrintPreview, &CTamselView::OnPrintPreview},
        {cmd::kPrint, &CTamselView::OnPrint},
        {cmd::kBack, &CTamselView::OnBack},
        {cmd::kForward, &CTamselView::OnForward},
        {cmd::kCut, &CTamselView::OnCut},
        {cmd::kCopy, &CTamselView::OnCopy},
        {cmd::kPaste, &CTamselView::OnPaste},
    };
    for (const ViewCommand& command : commands) {
        const auto handler = command.handler;
        Bind(wxEVT_MENU, [this, handler](wxCommandEvent&) { (this->*handler)(); }, cmd::menu_id(command.command));
        Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(!Building()); }, cmd::menu_id(command.command));
    }
    for (const PageCommand& page : kPageCommands) {
        const std::string relative = page.page;
        Bind(wxEVT_MENU, [this, relative](wxCommandEvent&) { ShowProgramPage(relative); }, cmd::menu_id(page.command));
    }
    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent& event) {
            if (wxMenu* styles = style_menu_of(nullptr))
                if (wxMenuItem* item = styles->FindItem(event.GetId())) item->Check(true);
            apply_style(style_number(cmd::command_of(event.GetId()) - cmd::kFirstStyle));
        },
        cmd::menu_id(cmd::kFirstStyle), cmd::menu_id(cmd::kLastStyle));
}

void CTamselView::ShowProgramPage(const std::string& relative) {
    // "help/yhxx.htm#version": the anchor belongs to the address, not to the file name.
    const std::size_t hash = relative.find('#');
    ShowPath(m_programFolder + "/" + relative.substr(0, hash), hash == std::string::npos ? "" : relative.substr(hash));
}

bool CTamselView::ShowPath(const std::string& path, const std::string& anchor) {
    const wxFileName file(from_path(path));
    if (!file.FileExists()) {
        // A missing page is said, and the page shown stays.
        platform::show_message("找不到页面文件：" + ToGbk(file.GetFullPath()));
        return false;
    }
    m_browser->LoadURL(wxFileSystem::FileNameToURL(file) + from_gbk(anchor));
    return true;
}

wxString CTamselView::CurrentUrl() const { return m_browser->GetCurrentURL(); }

wxString CTamselView::PrintableUrl() const {
    const wxString shown = CurrentUrl();
    if (!shown.StartsWith("file:")) return shown;
    wxFileName file = wxFileSystem::URLToFileName(shown);
    // A style folder's index.htm only frames the report: print and save the report itself.
    if (file.GetFullName() == "index.htm" && file.GetDirs().size() >= 2 &&
        file.GetDirs()[file.GetDirs().size() - 2] == "style") {
        file.SetFullName("right.htm");
        if (file.FileExists()) return wxFileSystem::FileNameToURL(file);
    }
    return shown;
}

template <class Dialog, class... Args>
void CTamselView::CastFrom(Args... args) {
    if (s_building) return;  // a second build must not run inside the first
    {
        Dialog dialog(Window(), args...);
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
    auto* progress = new CProgressDlg(Window());
    progress->Bar()->SetRange(0, 100);
    progress->Bar()->m_startColour = from_color_ref(0x00FF0000);
    progress->Bar()->m_endColour = from_color_ref(0x00880000);
    progress->Bar()->m_showPercent = true;
    progress->Show();
    const BuildResult result = orvane::build_chart(*progress);
    progress->Destroy();
    s_building = false;
    if (result != BuildResult::written) return;
    Window()->Refresh(false);
    ShowReport();
}

void CTamselView::ShowReport() {
    const std::string index = current_style_folder() + "/index.htm";
    // A style folder without its frame page still shows the report itself.
    ShowPath(wxFileName::FileExists(from_path(index)) ? index : right_page_path());
}

wxMenu* CTamselView::style_menu_of(size_t* top) const {
    wxDocManager* manager = GetDocumentManager();
    wxMDIParentFrame* frame = manager ? static_cast<CDocManager*>(manager)->Frame() : nullptr;
    return frame ? find_style_menu(frame->GetMenuBar(), top) : nullptr;
}

void CTamselView::build_style_menu() {
    if (style_menu_built()) return;
    size_t top = 0;
    wxMenu* menu = style_menu_of(&top);
    if (!menu) return;
    menu->GetMenuBar()->EnableTop(top, true);
    const auto names = read_style_names();
    if (!names) return;
    for (const StyleName& style : *names) {
        const wxString label = style_label(style.name);
        if (label.empty()) continue;  // wx refuses an item without a label
        const int id = cmd::menu_id(cmd::kFirstStyle + style.item);
        if (menu->FindItem(id)) menu->Destroy(id);
        menu->AppendRadioItem(id, label);
    }
    if (wxMenuItem* item = menu->FindItem(cmd::menu_id(checked_style_command()))) item->Check(true);
    style_menu_built() = true;
}

void CTamselView::apply_style(const std::string& number) {
    if (orvane::apply_style(number) == StyleSwitch::written) ShowReport();
}

void CTamselView::OnInputBirthCommand() { OnInputBirth(false); }

void CTamselView::OnEditBirthCommand() { OnInputBirth(true); }

void CTamselView::OnBack() {
    if (m_browser->CanGoBack()) m_browser->GoBack();
}

void CTamselView::OnForward() {
    if (m_browser->CanGoForward()) m_browser->GoForward();
}

void CTamselView::OnCut() { m_browser->Cut(); }
void CTamselView::OnCopy() { m_browser->Copy(); }
void CTamselView::OnPaste() { m_browser->Paste(); }

void CTamselView::OnOpen() {
    wxFileDialog dialog(Window(), from_gbk("打开"), "", "", kOpenFilter, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() == wxID_OK) m_browser->LoadURL(wxFileSystem::FileNameToURL(dialog.GetPath()));
}

void CTamselView::OnSaveAsCommand() {
    wxFileDialog dialog(Window(), from_gbk("另存为"), "", from_gbk("命书.htm"),
                        from_gbk("网页，单个文件 (*.htm)|*.htm;*.html|PDF 文件 (*.pdf)|*.pdf"),
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) return;
    wxFileName path(dialog.GetPath());
    // The chosen type decides when the name carries no extension of its own.
    if (path.GetExt().empty()) path.SetExt(dialog.GetFilterIndex() == 1 ? "pdf" : "htm");
    SaveAs(path.GetFullPath());
}

bool CTamselView::SaveAs(const wxString& path) {
    std::string error;
    bool saved = false;
    if (wxFileName(path).GetExt().Lower() == "pdf") {
        saved = PrintToPdf(path, &error);
    } else {
        const wxString url = PrintableUrl();
        const wxFileName shown = wxFileSystem::URLToFileName(url);
        if (url.StartsWith("file:") && shown.FileExists()) {
            // The report and the shipped pages are GBK files with their styles and
            // script inside: copied byte for byte, they open anywhere by themselves.
            const platform::ReadResult page = platform::read_file(to_path(shown.GetFullPath()), kSavedPageLimit);
            saved = page.status == platform::ReadStatus::ok && platform::write_file_atomic(to_path(path), page.bytes);
        } else {
            const std::optional<std::string> gbk = platform::utf8_to_gbk(m_browser->GetPageSource().utf8_str().data());
            saved = gbk && platform::write_file_atomic(to_path(path), *gbk);
        }
    }
    if (!saved) platform::show_message("不能保存文件：" + ToGbk(path) + (error.empty() ? "" : "\n" + error));
    return saved;
}

bool CTamselView::PrintToPdf(const wxString& path, std::string* error) {
    return CReportPrinter::PrintToPdf(PrintableUrl(), path, error);
}

void CTamselView::OnPageSetup() {
    CPageSetupDlg dialog(Window(), page_layout());
    if (dialog.ShowModal() == wxID_OK) page_layout() = dialog.Layout();
}

void CTamselView::OnPrintPreview() {
    CPrintPreview preview(Window(), PrintableUrl());
    if (preview.Rebuild()) preview.ShowModal();
}

void CTamselView::OnPrint() {
    std::string error;
    if (CReportPrinter::PrintWithDialog(Window(), PrintableUrl(), &error) == PrintOutcome::failed)
        platform::show_message("打印失败：" + error);
}

}  // namespace orvane::gui
