// What the window tests of both programs share: pumping events, screenshots, finding
// and driving controls, acting inside modal dialogs, and the desktop the programs run
// on (a window manager and a notification area under Xvfb).
#pragma once

#include <gtest/gtest.h>

#include <wx/combobox.h>
#include <wx/image.h>
#include <wx/process.h>
#include <wx/stopwatch.h>
#include <wx/timer.h>
#include <wx/toplevel.h>
#include <wx/window.h>

#include <functional>
#include <string>

namespace window_test {

// Lets events run for a while.
void pump(int milliseconds);

// Pumps until the condition holds or the time is up; tells whether it held.
bool wait_for(const std::function<bool()>& condition, int milliseconds);

// Screenshots go to this folder (created when missing).
void set_screenshot_folder(const std::string& folder);
const std::string& screenshot_folder();

// The whole screen as NAME.png in the screenshot folder, loaded back for pixel checks.
wxImage take_screenshot(const std::string& name);

wxColour pixel_at(const wxImage& image, wxPoint screen);

std::string ReadFile(const std::string& path);
void write_file(const std::string& path, const std::string& bytes);

// The first shown top-level window of type T.
template <class T>
T* open_window() {
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* found = dynamic_cast<T*>(window); found && found->IsShown()) return found;
    return nullptr;
}

// Retries `attempt` from a timer every few milliseconds until it answers true, so
// that a step runs inside whatever modal dialog or build is going on. Gives up
// after ten seconds. Deletes itself.
class Watch : public wxTimer {
public:
    explicit Watch(std::function<bool()> attempt);
    void Notify() override;

private:
    std::function<bool()> m_attempt;
    wxStopWatch m_watch;
    bool m_running = false;
};

// Runs `step` on the first shown window of type T, once it exists.
template <class T>
void when_open(std::function<void(T&)> step) {
    new Watch([step] {
        T* window = open_window<T>();
        if (window) step(*window);
        return window != nullptr;
    });
}

template <class C>
C* control_of(wxWindow& parent, int id) {
    return dynamic_cast<C*>(wxWindow::FindWindowById(id, &parent));
}

// Selects an entry of a combo box and sends the event a user's choice sends.
void choose_item(wxWindow& dialog, int id, const wxString& text);
// Sends a button's click.
void click_button(wxWindow& dialog, int id);
// Sets a radio button and sends its click.
void press_radio(wxWindow& dialog, int id);

// A child process whose end is noticed.
class RunningProcess : public wxProcess {
public:
    void OnTerminate(int pid, int status) override;
    bool done = false;
    int status = -1;
};

// Runs a program and waits for it to end; its exit status, -1 when it did not end in time.
int run_to_end(const wxString& command, int milliseconds);

// A program of the desktop (the window manager, the notification area) running for
// as long as this object lives.
class DesktopProgram {
public:
    // Starts the first of the names found on PATH; `started()` tells whether one was.
    DesktopProgram(const std::string& name, const std::string& arguments);
    ~DesktopProgram();
    DesktopProgram(const DesktopProgram&) = delete;
    DesktopProgram& operator=(const DesktopProgram&) = delete;
    bool started() const { return m_pid > 0; }

private:
    RunningProcess* m_process = nullptr;
    long m_pid = 0;
};

// The parts of a window test program around its tests.
struct WindowTestHooks {
    // Sees the arguments left after GoogleTest's; false refuses them (exit 2).
    std::function<bool(int argc, char** argv)> arguments;
    // After wx has started and the window manager runs: the windows every test uses.
    std::function<void()> started;
    // After the tests, before wx ends.
    std::function<void()> finishing;
};

// Runs the tests between wx's start-up and end, under a window manager. Returns the
// exit status of the test program.
int run_window_tests(int argc, char** argv, const WindowTestHooks& hooks);

}  // namespace window_test
