// 单实例: one calendar per user and display; a second start brings the first one forward.
#pragma once

#include <wx/string.h>

#include <functional>
#include <memory>

class wxSingleInstanceChecker;
class wxServerBase;

namespace deskcal {

// Name of the lock and of the socket the running calendar listens on, per user and display.
wxString instance_name();

// Held by the running calendar: owns the lock and answers "come forward" requests.
class InstanceLink {
public:
    InstanceLink();
    ~InstanceLink();

    // True when another calendar of this user and display already runs.
    bool AnotherIsRunning() const;

    // Asks the running calendar to come forward; false when it could not be reached.
    static bool AskRunningToComeForward();

    // Starts answering requests; `comeForward` runs on the window thread.
    bool Listen(std::function<void()> comeForward);

private:
    std::unique_ptr<wxSingleInstanceChecker> m_checker;
    std::unique_ptr<wxServerBase> m_server;
};

}  // namespace deskcal
