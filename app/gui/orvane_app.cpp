#include "app/gui/orvane_app.h"

#include <wx/msgdlg.h>

#include "app/gui/gbk.h"
#include "app/gui/main_frame.h"
#include "app/gui/message_dlg.h"
#include "app/gui/yes_no_dlg.h"
#include "platform/message.h"

namespace orvane::gui {

void InstallDialogHandlers() {
    platform::set_message_handler([](const std::string& text) {
        CMessageDlg::Show(wxTheApp->GetTopWindow(), FromGbk(text));
    });
    platform::set_question_handler(
        [](const std::string& text) { return CYesNoDlg::Ask(wxTheApp->GetTopWindow(), text); });
}

CMainFrame* OpenMainFrame() {
    auto* frame = new CMainFrame();
    frame->NewChartWindow();
    frame->Maximize();
    frame->Show();
    return frame;
}

bool OrvaneApp::OnInit() {
    if (!wxApp::OnInit()) return false;
    SetAppDisplayName(FromGbk("Kerrow八字算命"));
    InstallDialogHandlers();
    SetTopWindow(OpenMainFrame());
    return true;
}

}  // namespace orvane::gui
