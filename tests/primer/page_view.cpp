// The primer's pages in the web view the program shows them in (WebKitGTK under Xvfb): each
// page loads and has its text; the HTML calendar builds the month grid, moves to February 1991
// and describes 立春 with the pillars before and after it. A screenshot of each page is saved.
//   primer_page_view PROGRAM_DIR SCREENSHOT_DIR
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/webview.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string g_program, g_screenshots;
int g_failures = 0;

void check(bool ok, const std::string& what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what.c_str());
    if (!ok) ++g_failures;
}

class PageView : public wxApp {
public:
    bool OnInit() override {
        frame_ = new wxFrame(nullptr, wxID_ANY, "primer", wxPoint(0, 0), wxSize(1024, 768));
        view_ = wxWebView::New(frame_, wxID_ANY);
        view_->Bind(wxEVT_WEBVIEW_LOADED, [this](wxWebViewEvent&) { loaded_ = true; });
        frame_->Show();
        CallAfter([this] { Run(); });
        return true;
    }

private:
    bool Load(const std::string& relative) {
        loaded_ = false;
        view_->LoadURL("file://" + g_program + "/" + relative);
        for (int i = 0; i < 400 && !loaded_; ++i) {
            wxMilliSleep(50);
            Yield(true);
        }
        for (int i = 0; i < 10; ++i) {  // let the page's own scripts finish
            wxMilliSleep(50);
            Yield(true);
        }
        return loaded_;
    }

    // The script's result as GBK, to compare with the GBK literals of this file.
    std::string Script(const std::string& gbkScript) {
        wxString result;
        if (!view_->RunScript(wxString(gbkScript.c_str(), wxCSConv("GBK")), &result)) return "(script failed)";
        return std::string(result.mb_str(wxCSConv("GBK")));
    }

    void take_screenshot(const std::string& name) {
        const std::string command = "import -window root '" + g_screenshots + "/" + name + ".png'";
        if (std::system(command.c_str()) != 0) std::printf("no screenshot %s\n", name.c_str());
    }

    void Run() {
        const std::vector<std::string> pages = {"bzzs/index.htm", "bzzs/sizhu.htm", "bzzs/shensha2.htm",
                                                "pmsl/index.htm", "pmsl/li1.htm",   "pmsl/mingshu1.htm"};
        for (const std::string& page : pages) {
            check(Load(page), page + " loads");
            check(Script("document.body.innerText.length > 1000 ? 'long' : 'short'") == "long", page + " has its text");
            std::string name = page.substr(0, page.size() - 4);
            for (char& c : name)
                if (c == '/') c = '-';
            take_screenshot(name);
        }

        check(Load("help/wyrl.htm"), "help/wyrl.htm loads");
        check(Script("(function () { var n = document.querySelectorAll('#grid td[data-day]').length;"
                     " var d = new Date(); return n === new Date(d.getFullYear(), d.getMonth() + 1, 0).getDate()"
                     " ? 'full' : 'cells ' + n; })()") == "full",
              "the calendar shows every day of this month");
        take_screenshot("help-wyrl");
        const std::string detail = Script(
            "(function () { var y = document.getElementById('year'), m = document.getElementById('month');"
            " y.value = '1991'; y.onchange(); m.value = '2'; m.onchange();"
            " document.querySelector('td[data-day=\"4\"]').onclick();"
            " return document.getElementById('detail').textContent; })()");
        check(detail.find("立春") != std::string::npos && detail.find("庚午年、己丑月") != std::string::npos &&
                  detail.find("辛未年、庚寅月") != std::string::npos,
              "4 February 1991 names 立春 and the pillars before and after it");
        check(Script("document.getElementById('title').textContent") == "1991年2月", "the title follows the month");
        take_screenshot("help-wyrl-1991-02");
        frame_->Close(true);
        ExitMainLoop();
    }

    wxFrame* frame_ = nullptr;
    wxWebView* view_ = nullptr;
    bool loaded_ = false;
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(PageView);

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: primer_page_view PROGRAM_DIR SCREENSHOT_DIR\n");
        return 2;
    }
    g_program = argv[1];
    g_screenshots = argv[2];
    wxEntry(argc, argv);
    std::printf("%d failed\n", g_failures);
    return g_failures == 0 ? 0 : 1;
}
