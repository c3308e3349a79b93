// 超链接 — a text that opens its address in the browser: blue, purple once
// visited, red under the mouse, teal with the focus. Drawn by itself: a static
// text of GTK has no window of its own and never hears the mouse come and go.
#pragma once

#include <wx/control.h>

namespace orvane::gui {

class CHyperLink : public wxControl {
public:
    enum : unsigned { kUnderline = 0x01, kUseHover = 0x02, kAutoSize = 0x04, kOpenOnPress = 0x08,
                      kTakeFocus = 0x10, kNoHandCursor = 0x20, kNoFocusColour = 0x40 };

    // An empty text shows the address; an empty address is taken from the text.
    CHyperLink(wxWindow* parent, wxWindowID id, const wxString& text, const wxString& address = "");

    bool OpenLink();
    const wxString& Address() const { return m_address; }
    bool Visited() const { return m_visited; }
    bool Over() const { return m_over; }
    wxColour CurrentColour() const;

    static wxString ReasonText(int code);

    // Opens an address; the desktop's browser unless a test puts something else here.
    static bool (*s_open)(const wxString& address);

    // Not a stop of the Tab key nor the first focus of its dialog: it takes the
    // focus when clicked.
    bool AcceptsFocusFromKeyboard() const override { return false; }

protected:
    wxSize DoGetBestClientSize() const override;

private:
    void OnPaint(wxPaintEvent& event);
    void SetOver(bool over);

    bool m_focus = false;
    bool m_over = false;
    bool m_visited = false;
    unsigned m_options = kUnderline | kUseHover | kAutoSize | kTakeFocus;
    wxString m_address;
};

}  // namespace orvane::gui
