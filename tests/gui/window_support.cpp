#include "gui/window_support.h"

#include <wx/app.h>
#include <wx/filename.h>
#include <wx/radiobut.h>
#include <wx/utils.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace window_test {
namespace {

std::string g_screenshots = ".";

}  // namespace

void pump(int milliseconds) {
    const wxStopWatch watch;
    while (watch.Time() < milliseconds) {
        wxTheApp->Yield(true);
        wxMilliSleep(10);
    }
}

bool wait_for(const std::function<bool()>& condition, int milliseconds) {
    const wxStopWatch watch;
    while (!condition()) {
        if (watch.Time() > milliseconds) return false;
        pump(20);
    }
    return true;
}

void set_screenshot_folder(const std::string& folder) {
    g_screenshots = folder;
    wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
}

const std::string& screenshot_folder() { return g_screenshots; }

wxImage take_screenshot(const std::string& name) {
    pump(400);
    const std::string path = g_screenshots + "/" + name + ".png";
    const std::string command = "import -window root '" + path + "'";
    EXPECT_EQ(0, std::system(command.c_str())) << command;
    wxImage image;
    EXPECT_TRUE(image.LoadFile(path, wxBITMAP_TYPE_PNG)) << path;
    return image;
}

wxColour pixel_at(const wxImage& image, wxPoint screen) {
    if (!image.IsOk() || screen.x < 0 || screen.y < 0 || screen.x >= image.GetWidth() || screen.y >= image.GetHeight())
        return wxNullColour;
    return wxColour(image.GetRed(screen.x, screen.y), image.GetGreen(screen.x, screen.y), image.GetBlue(screen.x, screen.y));
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void write_file(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

Watch::Watch(std::function<bool()> attempt) : m_attempt(std::move(attempt)) { Start(5); }

void Watch::Notify() {
    if (m_running) return;  // a step that opens a modal dialog keeps the timer firing inside it
    m_running = true;
    const bool done = m_attempt() || m_watch.Time() > 10000;
    m_running = false;
    if (done) {
        Stop();
        wxTheApp->CallAfter([this] { delete this; });
    }
}

void choose_item(wxWindow& dialog, int id, const wxString& text) {
    auto* list = control_of<wxComboBox>(dialog, id);
    ASSERT_NE(list, nullptr) << id;
    list->SetStringSelection(text);
    wxCommandEvent chosen(wxEVT_COMBOBOX, id);
    chosen.SetEventObject(list);
    chosen.SetInt(list->GetSelection());
    chosen.SetString(list->GetStringSelection());
    list->GetEventHandler()->ProcessEvent(chosen);
}

void click_button(wxWindow& dialog, int id) {
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(wxWindow::FindWindowById(id, &dialog));
    dialog.GetEventHandler()->ProcessEvent(click);
}

void press_radio(wxWindow& dialog, int id) {
    auto* button = control_of<wxRadioButton>(dialog, id);
    ASSERT_NE(button, nullptr) << id;
    button->SetValue(true);
    wxCommandEvent clicked(wxEVT_RADIOBUTTON, id);
    clicked.SetEventObject(button);
    clicked.SetInt(1);
    button->GetEventHandler()->ProcessEvent(clicked);
}

void RunningProcess::OnTerminate(int, int exit_status) {
    done = true;
    status = exit_status;
}

int run_to_end(const wxString& command, int milliseconds) {
    auto* watcher = new RunningProcess;
    const long pid = wxExecute(command, wxEXEC_ASYNC, watcher);
    if (pid <= 0) {
        delete watcher;
        return -1;
    }
    if (!wait_for([watcher] { return watcher->done; }, milliseconds)) {
        wxProcess::Kill(pid, wxSIGKILL);
        watcher->Detach();  // deletes itself once the end is noticed
        return -1;
    }
    const int status = watcher->status;
    delete watcher;
    return status;
}

DesktopProgram::DesktopProgram(const std::string& name, const std::string& arguments) {
    wxString path;
    if (!wxFindFileInPath(&path, wxGetenv("PATH") ? wxString(wxGetenv("PATH")) : wxString(), name)) {
        std::fprintf(stderr, "window tests: %s not found (scripts/install-deps.sh installs it)\n", name.c_str());
        return;
    }
    m_process = new RunningProcess;
    m_pid = wxExecute(path + " " + arguments, wxEXEC_ASYNC | wxEXEC_MAKE_GROUP_LEADER, m_process);
    if (m_pid <= 0) {
        delete m_process;
        m_process = nullptr;
        m_pid = 0;
        return;
    }
    pump(600);  // let it take over the screen
}

DesktopProgram::~DesktopProgram() {
    if (!m_process) return;
    if (!m_process->done) wxProcess::Kill(m_pid, wxSIGTERM, wxKILL_CHILDREN);
    if (wait_for([this] { return m_process->done; }, 3000)) {
        delete m_process;
    } else {
        wxProcess::Kill(m_pid, wxSIGKILL, wxKILL_CHILDREN);
        m_process->Detach();
    }
}

namespace {

class WindowTestApp : public wxApp {
public:
    bool OnInit() override { return true; }
    // A failed wx check fails the test run instead of waiting in a dialog.
    void OnAssertFailure(const wxChar* file, int line, const wxChar* func, const wxChar* cond,
                         const wxChar* msg) override {
        ADD_FAILURE_AT(wxString(file).utf8_str(), line)
            << "wx assertion in " << wxString(func).utf8_str() << ": " << wxString(cond).utf8_str() << " "
            << wxString(msg ? msg : wxT("")).utf8_str();
    }
};

}  // namespace

int run_window_tests(int argc, char** argv, const WindowTestHooks& hooks) {
    ::testing::InitGoogleTest(&argc, argv);
    if (hooks.arguments && !hooks.arguments(argc, argv)) return 2;
    wxApp::SetInstance(new WindowTestApp);
    if (!wxEntryStart(argc, argv)) return 1;
    wxInitAllImageHandlers();
    wxTheApp->CallOnInit();
    int result = 0;
    {
        // The programs meet a window manager on a real desktop; so do the tests.
        DesktopProgram windowManager("openbox", "--sm-disable");
        if (hooks.started) hooks.started();
        result = RUN_ALL_TESTS();
        if (hooks.finishing) hooks.finishing();
        pump(100);
    }
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}

}  // namespace window_test
