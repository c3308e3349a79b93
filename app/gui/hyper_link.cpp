#include "app/gui/hyper_link.h"

#include <wx/dcclient.h>
#include <wx/utils.h>

#include "app/gui/message_dlg.h"

namespace orvane::gui {
namespace {

const wxColour k_link(0, 0, 255), kVisited(128, 0, 128), kFocus(0, 128, 128), kHover(255, 0, 0);
// What the desktop answers when no program opens the address.
constexpr int kNoAssociation = 31;

bool open_in_browser(const wxString& address) { return wxLaunchDefaultBrowser(address); }

}  // namespace

bool (*CHyperLink::s_open)(const wxString& address) = &open_in_browser;

CHyperLink::CHyperLink(wxWindow* parent, wxWindowID id, const wxString& text, const wxString& address)
    : wxControl(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE | wxTRANSPARENT_WINDOW),
      m_address(address.empty() ? text : address) {
    SetLabel(text.empty() ? address : text);
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    wxFont font = parent->GetFont();
    font.SetUnderlined((m_options & kUnderline) != 0);
    SetFont(font);
    if (m_options & kAutoSize) SetInitialSize(GetBestSize());
    if (!(m_options & kNoHandCursor)) SetCursor(wxCursor(wxCURSOR_HAND));
    SetToolTip(m_address);

    Bind(wxEVT_PAINT, &CHyperLink::OnPaint, this);
    Bind(wxEVT_ENTER_WINDOW, [this](wxMouseEvent&) { SetOver(true); });
    Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent&) { SetOver(false); });
    Bind(wxEVT_MOTION, [this](wxMouseEvent& e) { SetOver(GetClientRect().Contains(e.GetPosition())); });
    Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent&) {
        if (m_options & kTakeFocus) SetFocus();
        if (m_options & kOpenOnPress) OpenLink();
        m_focus = true;
        Refresh();
    });
    Bind(wxEVT_LEFT_UP, [this](wxMouseEvent&) {
        if (m_focus && !(m_options & kOpenOnPress)) OpenLink();
    });
    Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& e) {
        if (e.GetKeyCode() == WXK_SPACE) OpenLink(); else e.Skip();
    });
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) { m_focus = true; Refresh(); e.Skip(); });
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& e) { m_focus = m_over = false; Refresh(); e.Skip(); });
}

wxSize CHyperLink::DoGetBestClientSize() const {
    wxClientDC dc(const_cast<CHyperLink*>(this));
    dc.SetFont(GetFont());
    return dc.GetMultiLineTextExtent(GetLabel());
}

void CHyperLink::SetOver(bool over) {
    if (over == m_over) return;
    m_over = over;
    Refresh();
}

wxColour CHyperLink::CurrentColour() const {
    if (m_over && (m_options & kUseHover)) return kHover;
    if (m_focus && !(m_options & kNoFocusColour)) return kFocus;
    return m_visited ? kVisited : k_link;
}

void CHyperLink::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
    dc.Clear();
    dc.SetFont(GetFont());
    dc.SetTextForeground(CurrentColour());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.DrawText(GetLabel(), 0, 0);
}

bool CHyperLink::OpenLink() {
    if (s_open(m_address)) {
        m_visited = true;
        Refresh();
        return true;
    }
    wxBell();
    CMessageDlg box(this, "Can't open link:\n\n" + ReasonText(kNoAssociation), program_caption(), wxART_WARNING);
    box.ShowModal();
    return false;
}

wxString CHyperLink::ReasonText(int code) {
    switch (code) {
    case 0: return "The operating system is out\nof memory or resources.";
    case 2: return "The specified file was not found.";
    case 3: return "The specified path was not found.";
    case 5: return "The operating system denied\naccess to the specified file.";
    case 8: return "There was not enough memory to complete the operation.";
    case 11: return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case 26: return "A sharing violation occurred. ";
    case 27: return "The filename association is\nincomplete or invalid.";
    case 28: return "The DDE transaction could not\nbe completed because the request timed out.";
    case 29: return "The DDE transaction failed.";
    case 30: return "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
    case 31: return "There is no application associated\nwith the given filename extension.";
    case 32: return "The specified dynamic-link library was not found.";
    default: return wxString::Format("Unknown Error (%d) occurred.", code);
    }
}

}  // namespace orvane::gui
