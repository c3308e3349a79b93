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

void Add(wxMenu* menu, int id, const char* text, const char* prompt = "") {
    menu->Append(cmd::MenuId(id), FromGbk(text), FromGbk(prompt));
}

CDocManager* NewDocManager() { return new CDocManager(); }

}  // namespace

CMainFrame::CMainFrame()
    : wxDocMDIParentFrame(NewDocManager(), nullptr, wxID_ANY, FromGbk("Kerrow八字算命"), wxDefaultPosition,
                          wxSize(1000, 720)),
      m_docManager(static_cast<CDocManager*>(GetDocumentManager())) {
    m_docManager->SetFrame(this);
    SetMenuBar(BuildMenuBar());
    wxMenuBar* bar = GetMenuBar();
    bar->EnableTop(1, false);                        // 格式: empty until the first chart
    bar->EnableTop(bar->GetMenuCount() - 1, false);  // the motto at the right end
    BuildToolBar();
    CreateStatusBar();
    SetStatusText(FromGbk("就绪"));
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
    for (const FrameCommand& command : commands) Bind(wxEVT_MENU, command.handler, this, cmd::MenuId(command.command));
    for (int command : kChartCommands)
        Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(false); }, cmd::MenuId(command));
}

wxMenuBar* CMainFrame::BuildMenuBar() {
    auto* bar = new wxMenuBar();

    auto* chartMenu = new wxMenu();
    Add(chartMenu, cmd::kInputBirth, "输入生辰(&I)...\tCtrl+I", "输入生辰");
    Add(chartMenu, cmd::kReverseLookup, "反推八字(四柱干支输入方式)...", "由四柱干支反推出生日期");
    Add(chartMenu, cmd::kEditBirth, "修改生辰(M)...", "修改生辰");
    Add(chartMenu, cmd::kHistory, "历史记录(&H)...", "历史记录");
    chartMenu->AppendSeparator();
    Add(chartMenu, cmd::kSampleReadings, "批命示例(&S)", "批命示例");
    Add(chartMenu, cmd::kRecentChart, "最近批八字(&H)", "最近排出的八字命盘");
    Add(chartMenu, cmd::kKnowledge, "八字知识(&Z)", "八字知识");
    chartMenu->AppendSeparator();
    Add(chartMenu, cmd::kSaveAs, "另存为(&A)...", "把当前页面另存为文件");
    chartMenu->AppendSeparator();
    Add(chartMenu, cmd::kPageSetup, "页面设置(&R)...", "页面设置");
    Add(chartMenu, cmd::kPrintPreview, "打印预览(&V)...", "打印预览");
    Add(chartMenu, cmd::kPrint, "打印(&P)...\tCtrl+P", "打印当前页面");
    chartMenu->AppendSeparator();
    Add(chartMenu, cmd::kExit, "退出(&X)", "退出程序");
    bar->Append(chartMenu, FromGbk("八字(&B)"));

    auto* styleMenu = new wxMenu();
    Add(styleMenu, cmd::kStyleHint, "输入生辰排八字之后才能选择命状格式");
    bar->Append(styleMenu, FromGbk("格式(&S)"));

    auto* tools = new wxMenu();
    Add(tools, cmd::kOptions, "选项(&O)...", "选项");
    tools->AppendSeparator();
    Add(tools, cmd::kCityCoordinates, "城市经纬度(&C)...", "查看出生地点的经纬度");
    tools->AppendSeparator();
    Add(tools, cmd::kDeskCalendar, "万年历", "打开万年历");
    Add(tools, cmd::kHtmlCalendar, "HTML日历", "网页日历");
    bar->Append(tools, FromGbk("工具(&T)"));

    auto* help = new wxMenu();
    Add(help, cmd::kHomePage, "软件主页(&D)");
    Add(help, cmd::kLatestVersion, "最新版本(&E)");
    Add(help, cmd::kStyleDownload, "命状下载(&F)");
    Add(help, cmd::kUserInfo, "用户信息(&G)");
    help->AppendSeparator();
    Add(help, cmd::kGuestBook, "留言簿(&H)");
    Add(help, cmd::kQuestions, "常见问题(&I)");
    Add(help, cmd::kHelpFile, "帮助文件(&J)");
    help->AppendSeparator();
    Add(help, cmd::kAbout, "关于本程序(&K)...", "关于");
    bar->Append(help, FromGbk("帮助(&H)"));

    auto* other = new wxMenu();
    auto* file = new wxMenu();
    Add(file, cmd::kNew, "新建(&N)\tCtrl+N", "新建命稿窗口");
    Add(file, cmd::kOpen, "打开(&O)...\tCtrl+O", "打开");
    Add(file, cmd::kSave, "保存(&S)", "保存");
    Add(file, cmd::kSaveAs, "另存为(&A)...");
    Add(file, cmd::kPrintSetup, "打印设置(&R)...", "打印设置");
    file->AppendSeparator();
    Add(file, cmd::kExit, "退出(&X)");
    other->AppendSubMenu(file, FromGbk("文件(&F)"));
    auto* edit = new wxMenu();
    Add(edit, cmd::kCut, "剪切(&T)\tCtrl+X");
    Add(edit, cmd::kCopy, "复制(&C)\tCtrl+C");
    Add(edit, cmd::kPaste, "粘贴(&P)\tCtrl+V");
    other->AppendSubMenu(edit, FromGbk("编辑(&E)"));
    auto* view = new wxMenu();
    view->AppendCheckItem(cmd::MenuId(cmd::kViewToolbar), FromGbk("工具栏(&T)"))->Check(true);
    view->AppendCheckItem(cmd::MenuId(cmd::kViewStatusBar), FromGbk("状态栏(&S)"))->Check(true);
    other->AppendSubMenu(view, FromGbk("查看(&V)"));
    auto* window = new wxMenu();
    window->Append(wxID_MDI_WINDOW_NEXT, FromGbk("下一个窗口(&N)"));
    window->Append(wxID_MDI_WINDOW_PREV, FromGbk("上一个窗口(&P)"));
    other->AppendSubMenu(window, FromGbk("窗口(&W)"));
    auto* browse = new wxMenu();
    Add(browse, cmd::kWelcome, "欢迎页面(&W)");
    Add(browse, cmd::kBack, "后退(&B)");
    Add(browse, cmd::kForward, "前进(&F)");
    Add(browse, cmd::kRecentChart, "最近排出的八字命盘(&H)");
    other->AppendSubMenu(browse, FromGbk("浏览(&G)"));
    bar->Append(other, FromGbk("其它(&O)"));

    bar->Append(new wxMenu(), FromGbk("命理学的可贵不只在于能算得准，而更在于研究如何改善人生！"));
    return bar;
}

void CMainFrame::BuildToolBar() {
    wxToolBar* tools = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT);
    const wxSize size = FromDIP(wxSize(20, 20));
    auto tool = [&](int id, const wxArtID& art, const char* tip) {
        tools->AddTool(cmd::MenuId(id), FromGbk(tip), wxArtProvider::GetBitmapBundle(art, wxART_TOOLBAR, size), FromGbk(tip));
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
    wxCommandEvent event(wxEVT_MENU, cmd::MenuId(command));
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
    wxExecute(FromPath(platform::program_path("tallis")), wxEXEC_ASYNC | wxEXEC_HIDE_CONSOLE);
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
