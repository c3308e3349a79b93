#include "app/gui/main_frame.h"

#include <wx/artprov.h>
#include <wx/menu.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include "app/gui/about_dlg.h"
#include "app/gui/child_frame.h"
#include "app/gui/city_dlg.h"
#include "app/gui/command_ids.h"
#include "app/gui/gbk.h"
#include "app/gui/options_dlg.h"
#include "app/gui/tamsel_doc.h"
#include "app/gui/tamsel_view.h"
#include "platform/program_dir.h"

namespace orvane::gui {
namespace {

// The commands the frame handles itself, without a chart window.
struct FrameCommand {
    int command;
    void (CMainFrame::*handler)(wxCommandEvent&);
};

// The chart commands: greyed while no chart window is open (the view enables its own).
constexpr int kChartCommands[] = {
    cmd::kInputBirth, cmd::kEditBirth, cmd::kHistory,   cmd::kReverseLookup, cmd::kSaveAs,      cmd::kSave,
    cmd::kOpen,       cmd::kPrint,     cmd::kPrintPreview, cmd::kPageSetup,  cmd::kPrintSetup,  cmd::kBack,
    cmd::kForward,    cmd::kCut,       cmd::kCopy,      cmd::kPaste};

void add_menu_item(wxMenu* menu, int id, const char* text, const char* prompt = "") {
    menu->Append(cmd::menu_id(id), from_gbk(text), from_gbk(prompt));
}

CDocManager* new_doc_manager() { return new CDocManager(); }

}  // namespace

CMainFrame::CMainFrame()
    : wxDocMDIParentFrame(new_doc_manager(), nullptr, wxID_ANY, from_gbk("Kerrow八字算命"), wxDefaultPosition,
                          wxSize(1000, 720)),
      m_docManager(static_cast<CDocManager*>(GetDocumentManager())) {
    m_docManager->SetFrame(this);
    SetMenuBar(BuildMenuBar());
    wxMenuBar* bar = GetMenuBar();
    bar->EnableTop(1, false);                        // 格式: empty until the first chart
    bar->EnableTop(bar->GetMenuCount() - 1, false);  // the motto at the right end
    BuildToolBar();
    CreateStatusBar();
    SetStatusText(from_gbk("就绪"));
    BindCommands();
}

CMainFrame::~CMainFrame() {
    // The documents close with their views and windows while the frame still stands.
    m_docManager->Clear(true);
    m_docManager->SetFrame(nullptr);
}

void CMainFrame::BindCommands() {
    const FrameCommand commands[] = {
        {cmd::kOptions, &CMainFrame::OnOptions},
        {cmd::kCityCoordinates, &CMainFrame::OnCityCoordinates},
        {cmd::kDeskCalendar, &CMainFrame::OnDeskCalendar},
        {cmd::kAbout, &CMainFrame::OnAbout},
        {cmd::kNew, &CMainFrame::OnNew},
        {cmd::kExit, &CMainFrame::OnExit},
        {cmd::kViewToolbar, &CMainFrame::OnViewToolbar},
        {cmd::kViewStatusBar, &CMainFrame::OnViewStatusBar},
    };
    for (const FrameCommand& command : commands) Bind(wxEVT_MENU, command.handler, this, cmd::menu_id(command.command));
    for (int command : kChartCommands)
        Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(false); }, cmd::menu_id(command));
}

wxMenuBar* CMainFrame::BuildMenuBar() {
    auto* bar = new wxMenuBar();

    auto* chartMenu = new wxMenu();
    add_menu_item(chartMenu, cmd::kInputBirth, "输入生辰(&I)...\tCtrl+I", "输入生辰");
    add_menu_item(chartMenu, cmd::kReverseLookup, "反推八字(四柱干支输入方式)...", "由四柱干支反推出生日期");
    add_menu_item(chartMenu, cmd::kEditBirth, "修改生辰(M)...", "修改生辰");
    add_menu_item(chartMenu, cmd::kHistory, "历史记录(&H)...", "历史记录");
    chartMenu->AppendSeparator();
    add_menu_item(chartMenu, cmd::kSampleReadings, "批命示例(&S)", "批命示例");
    add_menu_item(chartMenu, cmd::kRecentChart, "最近批八字(&H)", "最近排出的八字命盘");
    add_menu_item(chartMenu, cmd::kKnowledge, "八字知识(&Z)", "八字知识");
    chartMenu->AppendSeparator();
    add_menu_item(chartMenu, cmd::kSaveAs, "另存为(&A)...", "把当前页面另存为文件");
    chartMenu->AppendSeparator();
    add_menu_item(chartMenu, cmd::kPageSetup, "页面设置(&R)...", "页面设置");
    add_menu_item(chartMenu, cmd::kPrintPreview, "打印预览(&V)...", "打印预览");
    add_menu_item(chartMenu, cmd::kPrint, "打印(&P)...\tCtrl+P", "打印当前页面");
    chartMenu->AppendSeparator();
    add_menu_item(chartMenu, cmd::kExit, "退出(&X)", "退出程序");
    bar->Append(chartMenu, from_gbk("八字(&B)"));

    auto* styleMenu = new wxMenu();
    add_menu_item(styleMenu, cmd::kStyleHint, "输入生辰排八字之后才能选择命状格式");
    bar->Append(styleMenu, from_gbk("格式(&S)"));

    auto* tools = new wxMenu();
    add_menu_item(tools, cmd::kOptions, "选项(&O)...", "选项");
    tools->AppendSeparator();
    add_menu_item(tools, cmd::kCityCoordinates, "城市经纬度(&C)...", "查看出生地点的经纬度");
    tools->AppendSeparator();
    add_menu_item(tools, cmd::kDeskCalendar, "万年历", "打开万年历");
    add_menu_item(tools, cmd::kHtmlCalendar, "HTML日历", "网页日历");
    bar->Append(tools, from_gbk("工具(&T)"));

    auto* help = new wxMenu();
    add_menu_item(help, cmd::kHomePage, "软件主页(&D)");
    add_menu_item(help, cmd::kLatestVersion, "最新版本(&E)");
    add_menu_item(help, cmd::kStyleDownload, "命状下载(&F)");
    add_menu_item(help, cmd::kUserInfo, "用户信息(&G)");
    help->AppendSeparator();
    add_menu_item(help, cmd::kGuestBook, "留言簿(&H)");
    add_menu_item(help, cmd::kQuestions, "常见问题(&I)");
    add_menu_item(help, cmd::kHelpFile, "帮助文件(&J)");
    help->AppendSeparator();
    add_menu_item(help, cmd::kAbout, "关于本程序(&K)...", "关于");
    bar->Append(help, from_gbk("帮助(&H)"));

    auto* other = new wxMenu();
    auto* file = new wxMenu();
    add_menu_item(file, cmd::kNew, "新建(&N)\tCtrl+N", "新建命稿窗口");
    add_menu_item(file, cmd::kOpen, "打开(&O)...\tCtrl+O", "打开");
    add_menu_item(file, cmd::kSave, "保存(&S)", "保存");
    add_menu_item(file, cmd::kSaveAs, "另存为(&A)...");
    add_menu_item(file, cmd::kPrintSetup, "打印设置(&R)...", "打印设置");
    file->AppendSeparator();
    add_menu_item(file, cmd::kExit, "退出(&X)");
    other->AppendSubMenu(file, from_gbk("文件(&F)"));
    auto* edit = new wxMenu();
    add_menu_item(edit, cmd::kCut, "剪切(&T)\tCtrl+X");
    add_menu_item(edit, cmd::kCopy, "复制(&C)\tCtrl+C");
    add_menu_item(edit, cmd::kPaste, "粘贴(&P)\tCtrl+V");
    other->AppendSubMenu(edit, from_gbk("编辑(&E)"));
    auto* view = new wxMenu();
    view->AppendCheckItem(cmd::menu_id(cmd::kViewToolbar), from_gbk("工具栏(&T)"))->Check(true);
    view->AppendCheckItem(cmd::menu_id(cmd::kViewStatusBar), from_gbk("状态栏(&S)"))->Check(true);
    other->AppendSubMenu(view, from_gbk("查看(&V)"));
    auto* window = new wxMenu();
    window->Append(wxID_MDI_WINDOW_NEXT, from_gbk("下一个窗口(&N)"));
    window->Append(wxID_MDI_WINDOW_PREV, from_gbk("上一个窗口(&P)"));
    other->AppendSubMenu(window, from_gbk("窗口(&W)"));
    auto* browse = new wxMenu();
    add_menu_item(browse, cmd::kWelcome, "欢迎页面(&W)");
    add_menu_item(browse, cmd::kBack, "后退(&B)");
    add_menu_item(browse, cmd::kForward, "前进(&F)");
    add_menu_item(browse, cmd::kRecentChart, "最近排出的八字命盘(&H)");
    other->AppendSubMenu(browse, from_gbk("浏览(&G)"));
    bar->Append(other, from_gbk("其它(&O)"));

    bar->Append(new wxMenu(), from_gbk("命理学的可贵不只在于能算得准，而更在于研究如何改善人生！"));
    return bar;
}

void CMainFrame::BuildToolBar() {
    wxToolBar* tools = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT);
    const wxSize size = FromDIP(wxSize(20, 20));
    auto tool = [&](int id, const wxArtID& art, const char* tip) {
        tools->AddTool(cmd::menu_id(id), from_gbk(tip), wxArtProvider::GetBitmapBundle(art, wxART_TOOLBAR, size), from_gbk(tip));
    };
    tool(cmd::kInputBirth, wxART_NEW, "输入生辰");
    tool(cmd::kEditBirth, wxART_EDIT, "修改生辰");
    tool(cmd::kHistory, wxART_REPORT_VIEW, "历史记录");
    tools->AddSeparator();
    tool(cmd::kOpen, wxART_FILE_OPEN, "打开");
    tool(cmd::kSaveAs, wxART_FILE_SAVE_AS, "另存为");
    tool(cmd::kPrint, wxART_PRINT, "打印");
    tools->AddSeparator();
    tool(cmd::kBack, wxART_GO_BACK, "后退");
    tool(cmd::kForward, wxART_GO_FORWARD, "前进");
    tools->AddSeparator();
    tool(cmd::kOptions, wxART_EXECUTABLE_FILE, "选项");
    tool(cmd::kAbout, wxART_INFORMATION, "关于");
    tools->Realize();
}

CChildFrame* CMainFrame::NewChartWindow() {
    wxDocument* document = m_docManager->CreateDocument("", wxDOC_NEW);
    if (!document) return nullptr;
    auto* view = static_cast<CTamselView*>(document->GetFirstView());
    return view ? static_cast<CChildFrame*>(view->GetFrame()) : nullptr;
}

CTamselView* CMainFrame::ActiveView() const {
    auto* child = dynamic_cast<CChildFrame*>(GetActiveChild());
    return child ? child->View() : nullptr;
}

void CMainFrame::RunCommand(int command) {
    wxCommandEvent event(wxEVT_MENU, cmd::menu_id(command));
    event.SetEventObject(this);
    ProcessWindowEvent(event);
}

void CMainFrame::OnOptions(wxCommandEvent&) {
    COptionsDlg dialog(this);
    dialog.ShowModal();
}

void CMainFrame::OnCityCoordinates(wxCommandEvent&) {
    CCityDlg dialog(this);
    dialog.ShowModal();
}

void CMainFrame::OnDeskCalendar(wxCommandEvent&) {
    // A missing calendar is not reported.
    wxExecute(from_path(platform::program_path("tallis")), wxEXEC_ASYNC | wxEXEC_HIDE_CONSOLE);
}

void CMainFrame::OnAbout(wxCommandEvent&) {
    CAboutDlg dialog(this);
    dialog.ShowModal();
}

void CMainFrame::OnNew(wxCommandEvent&) { NewChartWindow(); }

void CMainFrame::OnExit(wxCommandEvent&) { Close(); }

void CMainFrame::OnViewToolbar(wxCommandEvent& event) {
    GetToolBar()->Show(event.IsChecked());
    SendSizeEvent();
}

void CMainFrame::OnViewStatusBar(wxCommandEvent& event) {
    GetStatusBar()->Show(event.IsChecked());
    SendSizeEvent();
}

}  // namespace orvane::gui
