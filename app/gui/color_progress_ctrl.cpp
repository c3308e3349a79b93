#include "app/gui/color_progress_ctrl.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>

#include <algorithm>
#include <cstdlib>

namespace orvane::gui {

CColorProgressCtrl::CColorProgressCtrl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, id, pos, size, wxBORDER_SUNKEN | wxFULL_REPAINT_ON_RESIZE),
      m_backgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);  // no erasing: the whole bar is painted at once
    Bind(wxEVT_PAINT, &CColorProgressCtrl::OnPaint, this);
}

void CColorProgressCtrl::SetRange(int lower, int upper) {
    m_lower = lower;
    m_upper = upper;
    m_position = lower;
    Refresh(false);
}

void CColorProgressCtrl::SetPos(int position) {
    m_position = position;
    Refresh(false);
}

wxString CColorProgressCtrl::PercentText() const {
    return wxString::Format("%.0f%%", m_upper ? m_position * 100.0 / m_upper : 0.0);
}

int CColorProgressCtrl::FilledWidth(int clientWidth) const {
    if (m_position <= m_lower || m_position >= m_upper) return 0;
    return static_cast<int>(static_cast<double>(m_position) / m_upper * clientWidth);
}

void CColorProgressCtrl::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    const wxSize size = GetClientSize();
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(m_backgroundColour));
    dc.DrawRectangle(0, 0, size.x, size.y);
    if (m_position <= m_lower || m_position >= m_upper) return;

    const int filled = FilledWidth(size.x);
    const int dr = m_endColour.Red() - m_startColour.Red();
    const int dg = m_endColour.Green() - m_startColour.Green();
    const int db = m_endColour.Blue() - m_startColour.Blue();
    const int bands = std::max({std::abs(dr), std::abs(dg), std::abs(db)});
    if (bands > 0) {
        const double bandWidth = static_cast<double>(size.x) / bands;
        for (int i = 0; i < bands; ++i) {
            const wxColour colour(m_startColour.Red() + i * dr / bands, m_startColour.Green() + i * dg / bands,
                                  m_startColour.Blue() + i * db / bands);
            const int left = static_cast<int>(i * bandWidth);
            const int right = static_cast<int>((i + 1) * bandWidth);
            dc.SetBrush(wxBrush(colour));
            dc.DrawRectangle(left, 0, std::max(1, right - left), size.y);
            if (right > filled) {
                dc.SetBrush(wxBrush(m_backgroundColour));
                dc.DrawRectangle(right, 0, size.x - right, size.y);
                break;
            }
        }
    }
    if (m_showPercent) {
        dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
        dc.SetTextForeground(m_textColour);
        dc.SetFont(GetFont());
        const wxString text = PercentText();
        const wxSize extent = dc.GetTextExtent(text);
        dc.DrawText(text, (size.x - extent.x) / 2, (size.y - extent.y) / 2);
    }
}

}  // namespace orvane::gui
