#include "app/gui/report_print.h"

#include <wx/app.h>
#include <wx/filename.h>
#include <wx/filesys.h>
#include <wx/stopwatch.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <gtk/gtk.h>
#include <poppler.h>
#include <webkit2/webkit2.h>

#include <memory>

namespace orvane::gui {
namespace {

// A page loads and prints in a few seconds; a minute means it never will.
constexpr long kPrintTimeoutMs = 60000;

constexpr PaperChoice kPapers[] = {
    {"iso_a4", "A4 (210 x 297 毫米)"},  {"iso_a5", "A5 (148 x 210 毫米)"},
    {"iso_a3", "A3 (297 x 420 毫米)"},  {"iso_b5", "B5 (176 x 250 毫米)"},
    {"na_letter", "Letter (8.5 x 11 英寸)"}, {"na_legal", "Legal (8.5 x 14 英寸)"},
};

GtkPageSetup* new_page_setup(const PageLayout& layout) {
    GtkPageSetup* setup = gtk_page_setup_new();
    GtkPaperSize* paper = gtk_paper_size_new(layout.paper.c_str());
    gtk_page_setup_set_paper_size(setup, paper);
    gtk_paper_size_free(paper);
    gtk_page_setup_set_orientation(setup, layout.landscape ? GTK_PAGE_ORIENTATION_LANDSCAPE : GTK_PAGE_ORIENTATION_PORTRAIT);
    gtk_page_setup_set_top_margin(setup, layout.topMm, GTK_UNIT_MM);
    gtk_page_setup_set_bottom_margin(setup, layout.bottomMm, GTK_UNIT_MM);
    gtk_page_setup_set_left_margin(setup, layout.leftMm, GTK_UNIT_MM);
    gtk_page_setup_set_right_margin(setup, layout.rightMm, GTK_UNIT_MM);
    return setup;
}

// What the print dialog chose becomes the layout for the next time.
void take_page_setup(GtkPageSetup* setup, PageLayout& layout) {
    if (!setup) return;
    if (GtkPaperSize* paper = gtk_page_setup_get_paper_size(setup)) layout.paper = gtk_paper_size_get_name(paper);
    layout.landscape = gtk_page_setup_get_orientation(setup) == GTK_PAGE_ORIENTATION_LANDSCAPE;
    layout.topMm = gtk_page_setup_get_top_margin(setup, GTK_UNIT_MM);
    layout.bottomMm = gtk_page_setup_get_bottom_margin(setup, GTK_UNIT_MM);
    layout.leftMm = gtk_page_setup_get_left_margin(setup, GTK_UNIT_MM);
    layout.rightMm = gtk_page_setup_get_right_margin(setup, GTK_UNIT_MM);
}

// One print job: its own web view in an off-screen window, the page loaded, then
// the print operation, each step awaited while the program's events keep running.
class PrintJob {
public:
    PrintJob() {
        m_window = gtk_offscreen_window_new();
        m_view = webkit_web_view_new();
        gtk_widget_set_size_request(m_view, 1000, 800);
        gtk_container_add(GTK_CONTAINER(m_window), m_view);
        gtk_widget_show_all(m_window);
        g_signal_connect(m_view, "load-changed", G_CALLBACK(&PrintJob::OnLoadChanged), this);
        g_signal_connect(m_view, "load-failed", G_CALLBACK(&PrintJob::OnLoadFailed), this);
    }
    ~PrintJob() {
        if (m_operation) g_object_unref(m_operation);
        gtk_widget_destroy(m_window);
    }
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    bool Load(const wxString& url, std::string* error) {
        webkit_web_view_load_uri(WEBKIT_WEB_VIEW(m_view), url.utf8_str());
        if (!Await([this] { return m_loaded || !m_failure.empty(); })) m_failure = "页面载入超时";
        if (!m_failure.empty()) {
            if (error) *error = m_failure;
            return false;
        }
        return true;
    }

    WebKitPrintOperation* Operation(const PageLayout& layout, GtkPrintSettings* settings) {
        m_operation = webkit_print_operation_new(WEBKIT_WEB_VIEW(m_view));
        GtkPageSetup* setup = new_page_setup(layout);
        webkit_print_operation_set_page_setup(m_operation, setup);
        g_object_unref(setup);
        if (settings) webkit_print_operation_set_print_settings(m_operation, settings);
        g_signal_connect(m_operation, "finished", G_CALLBACK(&PrintJob::OnPrinted), this);
        g_signal_connect(m_operation, "failed", G_CALLBACK(&PrintJob::OnPrintFailed), this);
        return m_operation;
    }

    bool AwaitPrinted(std::string* error) {
        if (!Await([this] { return m_printed; })) m_failure = "打印超时";
        if (!m_failure.empty()) {
            if (error) *error = m_failure;
            return false;
        }
        return true;
    }

private:
    template <class Done>
    static bool Await(Done done) {
        const wxStopWatch watch;
        while (!done()) {
            if (watch.Time() > kPrintTimeoutMs) return false;
            // GTK's own loop: the web process's answers come through it.
            while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
            if (wxTheApp) wxTheApp->ProcessPendingEvents();
            wxMilliSleep(5);
        }
        return true;
    }

    static void OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer self) {
        if (event == WEBKIT_LOAD_FINISHED) static_cast<PrintJob*>(self)->m_loaded = true;
    }
    static gboolean OnLoadFailed(WebKitWebView*, WebKitLoadEvent, gchar*, GError* error, gpointer self) {
        static_cast<PrintJob*>(self)->m_failure = std::string("页面载入失败：") + (error ? error->message : "");
        return TRUE;
    }
    static void OnPrinted(WebKitPrintOperation*, gpointer self) { static_cast<PrintJob*>(self)->m_printed = true; }
    static void OnPrintFailed(WebKitPrintOperation*, GError* error, gpointer self) {
        auto* job = static_cast<PrintJob*>(self);
        job->m_failure = std::string("打印失败：") + (error ? error->message : "");
    }

    GtkWidget* m_window = nullptr;
    GtkWidget* m_view = nullptr;
    WebKitPrintOperation* m_operation = nullptr;
    bool m_loaded = false;
    bool m_printed = false;
    std::string m_failure;  // the page's texts are GBK; GLib's messages are ASCII here
};

}  // namespace

PageLayout& page_layout() {
    static PageLayout layout;
    return layout;
}

const PaperChoice* paper_choices(std::size_t* count) {
    *count = sizeof kPapers / sizeof kPapers[0];
    return kPapers;
}

bool CReportPrinter::PrintToPdf(const wxString& url, const wxString& pdfPath, std::string* error) {
    const wxFileName target(pdfPath);
    // Written beside the target and renamed at the end: never half a file under its name.
    const wxString partial = target.GetFullPath() + ".part";
    PrintJob job;
    if (!job.Load(url, error)) return false;
    GtkPrintSettings* settings = gtk_print_settings_new();
    // The file printer carries the name GTK gives it in the user's language.
    gtk_print_settings_set_printer(settings, g_dgettext("gtk30", "Print to File"));
    gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_FILE_FORMAT, "pdf");
    gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_URI,
                           wxFileSystem::FileNameToURL(wxFileName(partial)).utf8_str());
    WebKitPrintOperation* operation = job.Operation(page_layout(), settings);
    g_object_unref(settings);
    webkit_print_operation_print(operation);
    const bool printed = job.AwaitPrinted(error);
    if (!printed || !wxFileName::FileExists(partial) || wxFileName::GetSize(partial) == 0) {
        wxRemoveFile(partial);
        if (printed && error) *error = "打印没有写出文件";
        return false;
    }
    if (!wxRenameFile(partial, target.GetFullPath(), true)) {
        wxRemoveFile(partial);
        if (error) *error = "不能写入文件";
        return false;
    }
    return true;
}

PrintOutcome CReportPrinter::PrintWithDialog(wxWindow* parent, const wxString& url, std::string* error) {
    PrintJob job;
    if (!job.Load(url, error)) return PrintOutcome::failed;
    WebKitPrintOperation* operation = job.Operation(page_layout(), nullptr);
    wxWindow* top = parent ? wxGetTopLevelParent(parent) : nullptr;
    GtkWindow* owner = top ? GTK_WINDOW(top->GetHandle()) : nullptr;
    if (webkit_print_operation_run_dialog(operation, owner) != WEBKIT_PRINT_OPERATION_RESPONSE_PRINT)
        return PrintOutcome::cancelled;
    take_page_setup(webkit_print_operation_get_page_setup(operation), page_layout());
    return job.AwaitPrinted(error) ? PrintOutcome::printed : PrintOutcome::failed;
}

int pdf_page_count(const wxString& pdfPath) {
    const wxString uri = wxFileSystem::FileNameToURL(wxFileName(pdfPath));
    PopplerDocument* document = poppler_document_new_from_file(uri.utf8_str(), nullptr, nullptr);
    if (!document) return 0;
    const int pages = poppler_document_get_n_pages(document);
    g_object_unref(document);
    return pages;
}

}  // namespace orvane::gui
