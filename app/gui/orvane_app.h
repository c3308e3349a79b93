// 八字算命程序 — start-up: the message handlers, the main frame and its first chart window.
#pragma once

#include <wx/app.h>

namespace orvane::gui {

class CMainFrame;

// Message boxes and yes/no questions of the engine shown as real dialogs.
void InstallDialogHandlers();

class OrvaneApp : public wxApp {
public:
    bool OnInit() override;
};

// The main frame with one chart window, maximized.
CMainFrame* OpenMainFrame();

}  // namespace orvane::gui
