// 打印预览 — the pages as they will print: a PDF made through the same print path,
// drawn page by page (poppler), with printing and the page setup at hand.
#pragma once

#include <wx/dialog.h>

#include <vector>

class wxScrolledWindow;
class wxStaticText;

namespace orvane::gui {

namespace preview_ids {
inline constexpr int kPrint = 2001, kPageSetup = 2002, kPages = 2003, kPageCount = 2004;
}

class CPrintPreview : public wxDialog {
public:
    // `url` is the document to print; the preview prints it again on request.
    CPrintPreview(wxWindow* parent, const wxString& url);

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    // Makes the pages again after the page setup changed; false when printing failed.
    bool Rebuild();
    wxScrolledWindow* PagesWindow() const { return m_area; }

private:
    void OnPrint(wxCommandEvent& event);
    void OnPageSetup(wxCommandEvent& event);
    void OnPaintPages(wxPaintEvent& event);

    wxString m_url;
    std::vector<wxBitmap> m_pages;
    wxScrolledWindow* m_area = nullptr;
    wxStaticText* m_count = nullptr;
};

// Draws the pages of a PDF file at a width in pixels; empty when it cannot be read.
std::vector<wxBitmap> render_pdf_pages(const wxString& pdfPath, int width);

}  // namespace orvane::gui
