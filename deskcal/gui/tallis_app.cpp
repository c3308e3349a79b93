#include "deskcal/gui/tallis_app.h"

#include "deskcal/gui/calendar_dialog.h"

namespace deskcal {

bool TallisApp::OnInit() {
    m_instance = std::make_unique<InstanceLink>();
    if (m_instance->AnotherIsRunning()) {
        // The running calendar comes forward; this process opens nothing.
        InstanceLink::AskRunningToComeForward();
        m_instance.reset();
        m_forwardedToRunning = true;
        return true;
    }

    auto* dialog = new CalendarDialog();
    m_instance->Listen([dialog] { dialog->BringForward(); });
    SetTopWindow(dialog);
    dialog->Show();
    return true;
}

int TallisApp::OnRun() { return m_forwardedToRunning ? 0 : wxApp::OnRun(); }

int TallisApp::OnExit() {
    m_instance.reset();
    return wxApp::OnExit();
}

}  // namespace deskcal
