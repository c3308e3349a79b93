#include "app/gui/orvane_app.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/gui/gbk.h"
#include "app/gui/main_frame.h"
#include "app/gui/message_dlg.h"
#include "app/gui/print_pdf_command.h"
#include "app/gui/yes_no_dlg.h"
#include "platform/message.h"

namespace orvane::gui {

void install_dialog_handlers() {
    platform::set_message_handler([](const std::string& text) {
        CMessageDlg::Show(wxTheApp->GetTopWindow(), from_gbk(text));
    });
    platform::set_question_handler(
        [](const std::string& text) { return CYesNoDlg::Ask(wxTheApp->GetTopWindow(), text); });
}

CMainFrame* open_main_frame() {
    auto* frame = new CMainFrame();
    frame->NewChartWindow();
    frame->Maximize();
    frame->Show();
    return frame;
}

bool OrvaneApp::OnInit() {
    SetAppDisplayName(from_gbk("Kerrow八字算命"));
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i) arguments.emplace_back(argv[i].utf8_str().data());
    if (const std::optional<PrintPdfJob> job = parse_print_pdf(arguments)) {
        m_printStatus = run_print_pdf(*job);
        return true;
    }
    if (!wxApp::OnInit()) return false;
    install_dialog_handlers();
    SetTopWindow(open_main_frame());
    return true;
}

int OrvaneApp::OnRun() { return m_printStatus >= 0 ? m_printStatus : wxApp::OnRun(); }

void OrvaneApp::OnAssertFailure(const wxChar* file, int line, const wxChar* func, const wxChar* cond,
                                const wxChar* msg) {
    std::fprintf(stderr, "orvane: wx check failed at %s:%d in %s: %s %s\n", wxString(file).utf8_str().data(), line,
                 wxString(func).utf8_str().data(), wxString(cond).utf8_str().data(),
                 wxString(msg ? msg : wxT("")).utf8_str().data());
}

}  // namespace orvane::gui
