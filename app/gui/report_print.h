// 打印 — the report on paper through the web view's own engine. The chart window
// shows index.htm, which frames the report, and a frame prints as one page; so the
// document itself (right.htm) is loaded into a view of its own, off screen, and
// printed from there: every page, with the print rules of its style.
#pragma once

#include <wx/string.h>

#include <string>

class wxWindow;

namespace orvane::gui {

// 页面设置: the paper and margins that printing, the preview and PDF files share.
struct PageLayout {
    std::string paper = "iso_a4";  // a paper name of the system's print dialog (PWG)
    bool landscape = false;
    double topMm = 14, bottomMm = 14, leftMm = 12, rightMm = 12;
};
PageLayout& page_layout();

// The papers the page setup offers: system name and the name shown.
struct PaperChoice {
    const char* name;
    const char* label;  // GBK
};
const PaperChoice* paper_choices(std::size_t* count);

enum class PrintOutcome { printed, cancelled, failed };

class CReportPrinter {
public:
    // Every page of the document at `url` into a PDF file. False, with the reason
    // in `error` (GBK), when the page could not be loaded or the file not written.
    static bool PrintToPdf(const wxString& url, const wxString& pdfPath, std::string* error);

    // The system's print dialog over the page layout, then the printer it names.
    static PrintOutcome PrintWithDialog(wxWindow* parent, const wxString& url, std::string* error);
};

// Pages of a PDF file (poppler), 0 when it cannot be read.
int pdf_page_count(const wxString& pdfPath);

}  // namespace orvane::gui
