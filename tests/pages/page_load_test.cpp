// 页面载入: every shipped page in a wxWebView, the view the program shows it
// in (WebKitGTK), with a hook in every frame that reports script errors and
// failed loads. A page passes when it loads, is read as GBK, shows no
// undecodable byte and reports nothing.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/filesys.h>
#include <wx/frame.h>
#include <wx/sizer.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>
#include <wx/webview.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string g_builtProgram;  // the build's program folder, with orvane-cli
std::string g_program;       // a copy of it, with a report in every style folder
std::string g_screenshots;   // empty: no screenshots

// Installed at the start of every frame: errors of scripts, of promises and of
// elements that fail to load (a missing picture or frame) reach the test.
constexpr const char* kErrorHook = R"js(
(function () {
  function send(text) {
    try { window.webkit.messageHandlers.pagecheck.postMessage(text); } catch (e) {}
  }
  window.addEventListener('error', function (e) {
    var t = e.target;
    if (t && t !== window && (t.src || t.href))
      send('failed to load ' + (t.src || t.href) + ' in ' + location.pathname);
    else
      send('script error: ' + e.message + ' at ' + (e.filename || location.pathname) + ':' + e.lineno);
  }, true);
  window.addEventListener('unhandledrejection', function (e) {
    send('unhandled rejection: ' + e.reason + ' in ' + location.pathname);
  });
})();
)js";

class PageView {
public:
    PageView() {
        m_frame = new wxFrame(nullptr, wxID_ANY, "pages", wxPoint(0, 0), wxSize(1000, 740));
        m_view = wxWebView::New(m_frame, wxID_ANY);
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(m_view, 1, wxEXPAND);
        m_frame->SetSizer(sizer);
        m_hooked = m_view->AddScriptMessageHandler("pagecheck") && m_view->AddUserScript(kErrorHook);
        m_view->Bind(wxEVT_WEBVIEW_SCRIPT_MESSAGE_RECEIVED,
                     [this](wxWebViewEvent& e) { m_reports.push_back(e.GetString().utf8_string()); });
        m_view->Bind(wxEVT_WEBVIEW_LOADED, [this](wxWebViewEvent&) { m_loaded = true; });
        m_view->Bind(wxEVT_WEBVIEW_ERROR, [this](wxWebViewEvent& e) {
            m_reports.push_back("navigation error: " + e.GetString().utf8_string() + " " + e.GetURL().utf8_string());
            m_loaded = true;
        });
        m_frame->Show();
        pump(800);
    }

    ~PageView() { m_frame->Destroy(); }

    bool Hooked() const { return m_hooked; }

    // Loads the page and waits for it and its scripts; true when it loaded in time.
    bool Load(const std::string& path) {
        m_reports.clear();
        m_loaded = false;
        m_view->LoadURL(wxFileSystem::FileNameToURL(wxFileName(wxString::FromUTF8(path))));
        const wxStopWatch watch;
        while (!m_loaded && watch.Time() < 15000) pump(20);
        pump(500);  // timers and handlers that run right after the load
        return m_loaded;
    }

    std::string Run(const char* script) {
        wxString out;
        if (!m_view->RunScript(script, &out)) return "(script failed)";
        return out.utf8_string();
    }

    const std::vector<std::string>& Reports() const { return m_reports; }

    static void pump(int milliseconds) {
        const wxStopWatch watch;
        while (watch.Time() < milliseconds) {
            wxTheApp->Yield(true);
            wxMilliSleep(5);
        }
    }

private:
    wxFrame* m_frame = nullptr;
    wxWebView* m_view = nullptr;
    bool m_hooked = false;
    bool m_loaded = false;
    std::vector<std::string> m_reports;
};

PageView* g_view = nullptr;

std::string Relative(const fs::path& page) { return fs::relative(page, g_program).generic_string(); }

// Pages a user opens: all of them but the report templates (normal.htm, with
// [NNNN] references) and the reports (right.htm, seen through index.htm).
std::vector<fs::path> shipped_pages() {
    std::vector<fs::path> pages;
    for (const auto& entry : fs::recursive_directory_iterator(g_program)) {
        const fs::path& p = entry.path();
        if (!entry.is_regular_file() || p.extension() != ".htm") continue;
        const std::string rel = Relative(p);
        if (rel.rfind("style/", 0) == 0 && p.filename() != "index.htm") continue;
        pages.push_back(p);
    }
    std::sort(pages.begin(), pages.end());
    return pages;
}

void write_file(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

TEST(PageLoad, TheHookReportsErrorsOfScriptsFramesAndPictures) {
    ASSERT_TRUE(g_view->Hooked()) << "the web view took no user script or message handler";
    const fs::path dir = fs::path(g_program) / "selfcheck";
    fs::create_directories(dir);
    write_file(dir / "broken.htm", "<!DOCTYPE html><meta charset=\"gbk\"><p>x</p><script>noSuchFunction();</script>");
    write_file(dir / "framed.htm", "<!DOCTYPE html><meta charset=\"gbk\"><iframe src=\"broken.htm\"></iframe>");
    write_file(dir / "picture.htm", "<!DOCTYPE html><meta charset=\"gbk\"><img src=\"none.png\">");
    write_file(dir / "sound.htm", "<!DOCTYPE html><meta charset=\"gbk\"><p>x</p><script>var a = 1;</script>");

    auto reportsOf = [](const fs::path& page) {
        EXPECT_TRUE(g_view->Load(page.string())) << page;
        std::string all;
        for (const std::string& r : g_view->Reports()) all += r + "\n";
        return all;
    };
    // WebKit mutes the message of an error in a file: page ("Script error."); the
    // page's name still says where it happened.
    EXPECT_NE(std::string::npos, reportsOf(dir / "broken.htm").find("script error: Script error. at " + (dir / "broken.htm").string()));
    EXPECT_NE(std::string::npos, reportsOf(dir / "framed.htm").find("script error: Script error. at " + (dir / "broken.htm").string()));
    EXPECT_NE(std::string::npos, reportsOf(dir / "picture.htm").find("none.png"));
    EXPECT_EQ("", reportsOf(dir / "sound.htm"));
    fs::remove_all(dir);
}

TEST(PageLoad, EveryShippedPageLoadsAsGbkWithoutAnError) {
    const std::vector<fs::path> pages = shipped_pages();
    ASSERT_GE(pages.size(), 10u) << "too few pages under " << g_program;
    for (const fs::path& page : pages) {
        const std::string rel = Relative(page);
        SCOPED_TRACE(rel);
        ASSERT_TRUE(g_view->Load(page.string())) << rel << " did not finish loading";
        for (const std::string& report : g_view->Reports()) ADD_FAILURE() << rel << ": " << report;
        EXPECT_EQ("GBK", g_view->Run("document.characterSet")) << rel;
        // U+FFFD stands in for bytes that are not GBK, in the page or in a frame of it.
        EXPECT_EQ("0", g_view->Run("(function () {"
                                   "  var n = 0, docs = [document];"
                                   "  for (var i = 0; i < frames.length; i++) {"
                                   "    try { docs.push(frames[i].document); } catch (e) {}"
                                   "  }"
                                   "  docs.forEach(function (d) {"
                                   "    if (d && d.body) n += d.body.innerText.split('\\ufffd').length - 1;"
                                   "  });"
                                   "  return String(n);"
                                   "})()"))
            << rel;
        if (!g_screenshots.empty()) {
            std::string name = rel;
            std::replace(name.begin(), name.end(), '/', '_');
            const std::string command = "import -window root '" + g_screenshots + "/" + name + ".png'";
            EXPECT_EQ(0, std::system(command.c_str())) << command;
        }
    }
}

// A report in every style folder, so that each index.htm frames a real page.
bool write_reports() {
    for (const auto& entry : fs::directory_iterator(fs::path(g_program) / "style")) {
        const std::string number = entry.path().filename().string();
        if (!entry.is_directory() || number.size() != 2 || !fs::exists(entry.path() / "normal.htm")) continue;
        const std::string command = "'" + g_builtProgram + "/orvane-cli' report --solar 1990-05-20 --time 23:30 --sex male"
                                    " --options 1100 --today 2026-01-01 --style " + number + " --program-dir '" +
                                    g_program + "' > /dev/null";
        if (std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "failed: %s\n", command.c_str());
            return false;
        }
    }
    return true;
}

class PageLoadApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(PageLoadApp);

// orvane_page_load_tests PROGRAM_DIR WORK_DIR [SCREENSHOT_DIR] [gtest flags]
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s program-dir work-dir [screenshot-dir]\n", argv[0]);
        return 2;
    }
    g_builtProgram = argv[1];
    g_program = (fs::path(argv[2]) / "program").string();
    if (argc > 3) {
        g_screenshots = argv[3];
        fs::create_directories(g_screenshots);
    }
    fs::remove_all(g_program);
    fs::create_directories(g_program);
    for (const char* part : {"style", "help", "bzzs", "pmsl"})
        if (fs::exists(g_builtProgram + "/" + part))
            fs::copy(g_builtProgram + "/" + part, g_program + "/" + part, fs::copy_options::recursive);
    if (!write_reports()) return 1;

    if (!wxEntryStart(argc, argv)) return 1;
    wxTheApp->CallOnInit();
    int result = 0;
    {
        PageView view;
        g_view = &view;
        result = RUN_ALL_TESTS();
        g_view = nullptr;
    }
    PageView::pump(100);
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
