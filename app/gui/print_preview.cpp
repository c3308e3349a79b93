#include "app/gui/print_preview.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/filename.h>
#include <wx/filesys.h>
#include <wx/image.h>
#include <wx/scrolwin.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <cairo.h>
#include <poppler.h>

#include <algorithm>

#include "app/gui/gbk.h"
#include "app/gui/message_dlg.h"
#include "app/gui/page_setup_dlg.h"
#include "app/gui/report_print.h"

namespace orvane::gui {
namespace {

constexpr int kPageWidth = 560;  // pixels of one drawn page
constexpr int kGap = 16;

wxBitmap draw_page(PopplerPage* page, int width) {
    double pointsWide = 0, pointsHigh = 0;
    poppler_page_get_size(page, &pointsWide, &pointsHigh);
    const double scale = width / pointsWide;
    const int height = static_cast<int>(pointsHigh * scale + 0.5);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_scale(cr, scale, scale);
    poppler_page_render_for_printing(page, cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    wxImage image(width, height);
    const unsigned char* row = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    unsigned char* out = image.GetData();
    for (int y = 0; y < height; ++y, row += stride)
        for (int x = 0; x < width; ++x) {
            const auto pixel = reinterpret_cast<const std::uint32_t*>(row)[x];  // xRGB in native order
            *out++ = (pixel >> 16) & 0xFF;
            *out++ = (pixel >> 8) & 0xFF;
            *out++ = pixel & 0xFF;
        }
    cairo_surface_destroy(surface);
    return wxBitmap(image);
}

}  // namespace

std::vector<wxBitmap> render_pdf_pages(const wxString& pdfPath, int width) {
    std::vector<wxBitmap> pages;
    const wxString uri = wxFileSystem::FileNameToURL(wxFileName(pdfPath));
    PopplerDocument* document = poppler_document_new_from_file(uri.utf8_str(), nullptr, nullptr);
    if (!document) return pages;
    for (int i = 0; i < poppler_document_get_n_pages(document); ++i) {
        PopplerPage* page = poppler_document_get_page(document, i);
        pages.push_back(draw_page(page, width));
        g_object_unref(page);
    }
    g_object_unref(document);
    return pages;
}

CPrintPreview::CPrintPreview(wxWindow* parent, const wxString& url)
    : wxDialog(parent, wxID_ANY, from_gbk("打印预览"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER | wxMAXIMIZE_BOX),
      m_url(url) {
    using namespace preview_ids;
    auto* bar = new wxBoxSizer(wxHORIZONTAL);
    bar->Add(new wxButton(this, kPrint, from_gbk("打印(&P)...")), 0, wxRIGHT, 8);
    bar->Add(new wxButton(this, kPageSetup, from_gbk("页面设置(&U)...")), 0, wxRIGHT, 8);
    bar->Add(new wxButton(this, wxID_CANCEL, from_gbk("关闭(&C)")), 0, wxRIGHT, 16);
    m_count = new wxStaticText(this, kPageCount, "");
    bar->Add(m_count, 0, wxALIGN_CENTER_VERTICAL);
    m_area = new wxScrolledWindow(this, kPages, wxDefaultPosition, wxDefaultSize, wxVSCROLL | wxHSCROLL);
    m_area->SetBackgroundColour(wxColour(128, 128, 128));
    m_area->SetScrollRate(20, 20);
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(bar, 0, wxALL, 8);
    top->Add(m_area, 1, wxEXPAND);
    SetSizer(top);
    SetSize(FromDIP(wxSize(kPageWidth + 80, 760)));
    CentreOnParent();

    m_area->Bind(wxEVT_PAINT, &CPrintPreview::OnPaintPages, this);
    Bind(wxEVT_BUTTON, &CPrintPreview::OnPrint, this, kPrint);
    Bind(wxEVT_BUTTON, &CPrintPreview::OnPageSetup, this, kPageSetup);
}

bool CPrintPreview::Rebuild() {
    const wxString pdf = wxFileName::CreateTempFileName("orvane-preview");
    std::string error;
    const bool printed = CReportPrinter::PrintToPdf(m_url, pdf + ".pdf", &error);
    m_pages = printed ? render_pdf_pages(pdf + ".pdf", FromDIP(kPageWidth)) : std::vector<wxBitmap>();
    wxRemoveFile(pdf);
    wxRemoveFile(pdf + ".pdf");
    if (!printed) {
        CMessageDlg::Show(this, from_gbk("不能生成打印预览：" + error), wxART_ERROR);
        return false;
    }
    m_count->SetLabel(wxString::Format(from_gbk("共 %d 页"), PageCount()));
    int height = kGap;
    for (const wxBitmap& page : m_pages) height += page.GetHeight() + kGap;
    m_area->SetVirtualSize(FromDIP(kPageWidth) + 2 * kGap, height);
    m_area->Refresh();
    return true;
}

void CPrintPreview::OnPaintPages(wxPaintEvent&) {
    wxPaintDC dc(m_area);
    m_area->DoPrepareDC(dc);
    int y = kGap;
    for (const wxBitmap& page : m_pages) {
        dc.SetPen(*wxBLACK_PEN);
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawBitmap(page, kGap, y);
        dc.DrawRectangle(kGap - 1, y - 1, page.GetWidth() + 2, page.GetHeight() + 2);
        y += page.GetHeight() + kGap;
    }
}

void CPrintPreview::OnPrint(wxCommandEvent&) {
    std::string error;
    if (CReportPrinter::PrintWithDialog(this, m_url, &error) == PrintOutcome::failed)
        CMessageDlg::Show(this, from_gbk(error), wxART_ERROR);
}

void CPrintPreview::OnPageSetup(wxCommandEvent&) {
    CPageSetupDlg setup(this, page_layout());
    if (setup.ShowModal() != wxID_OK) return;
    page_layout() = setup.Layout();
    Rebuild();
}

}  // namespace orvane::gui
