#include "deskcal/gui/instance_link.h"

#include <wx/filename.h>
#include <wx/ipc.h>
#include <wx/snglinst.h>
#include <wx/utils.h>

namespace deskcal {

namespace {

const wxString kTopic = "tallis";
const wxString kComeForward = "come-forward";

wxString socket_path() { return wxFileName(wxFileName::GetTempDir(), instance_name() + ".sock").GetFullPath(); }

class ForwardConnection : public wxConnection {
public:
    explicit ForwardConnection(std::function<void()>& comeForward) : m_comeForward(comeForward) {}

    bool OnExec(const wxString& topic, const wxString& command) override {
        if (topic != kTopic || command != kComeForward) return false;
        if (m_comeForward) m_comeForward();
        return true;
    }

private:
    std::function<void()>& m_comeForward;
};

class ForwardServer : public wxServer {
public:
    explicit ForwardServer(std::function<void()> comeForward) : m_comeForward(std::move(comeForward)) {}

    wxConnectionBase* OnAcceptConnection(const wxString& topic) override {
        return topic == kTopic ? new ForwardConnection(m_comeForward) : nullptr;
    }

private:
    std::function<void()> m_comeForward;
};

}  // namespace

wxString instance_name() {
    wxString display;
    wxGetEnv("DISPLAY", &display);
    display.Replace("/", "_");
    display.Replace(":", "_");
    return "tallis-" + wxGetUserId() + "-" + display;
}

InstanceLink::InstanceLink()
    : m_checker(std::make_unique<wxSingleInstanceChecker>(instance_name() + ".lock", wxFileName::GetTempDir())) {}

InstanceLink::~InstanceLink() = default;

bool InstanceLink::AnotherIsRunning() const { return m_checker->IsAnotherRunning(); }

bool InstanceLink::AskRunningToComeForward() {
    wxClient client;
    std::unique_ptr<wxConnectionBase> connection(client.MakeConnection("localhost", socket_path(), kTopic));
    if (!connection) return false;
    const bool done = connection->Execute(kComeForward);
    connection->Disconnect();
    return done;
}

bool InstanceLink::Listen(std::function<void()> comeForward) {
    auto server = std::make_unique<ForwardServer>(std::move(comeForward));
    if (!server->Create(socket_path())) return false;
    m_server = std::move(server);
    return true;
}

}  // namespace deskcal
