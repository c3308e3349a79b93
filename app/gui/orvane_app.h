// 八字算命程序 — start-up: the message handlers, the main frame and its first chart window.
#pragma once

#include <wx/app.h>

namespace orvane::gui {

class CMainFrame;

// Message boxes and yes/no questions of the engine shown as real dialogs.
void install_dialog_handlers();

class OrvaneApp : public wxApp {
public:
    bool OnInit() override;
    int OnRun() override;
    // A failed check of wx is written to stderr and the program goes on: no dialog waits for a person.
    void OnAssertFailure(const wxChar* file, int line, const wxChar* func, const wxChar* cond,
                         const wxChar* msg) override;

private:
    int m_printStatus = -1;  // the exit status of --print-pdf; -1 for the windows
};

// The main frame with one chart window, maximized.
CMainFrame* open_main_frame();

}  // namespace orvane::gui
