// 超链接 — a static text that opens its address in the browser: blue, purple
// once visited, red under the mouse, teal with the focus.
#pragma once

#include <wx/stattext.h>

namespace orvane::gui {

class CHyperLink : public wxStaticText {
public:
    enum : unsigned { kUnderline = 0x01, kUseHover = 0x02, kAutoSize = 0x04, kOpenOnPress = 0x08,
                      kTakeFocus = 0x10, kNoHandCursor = 0x20, kNoFocusColour = 0x40 };

    // An empty text shows the address; an empty address is taken from the text.
    CHyperLink(wxWindow* parent, wxWindowID id, const wxString& text, const wxString& address = "");

    bool OpenLink();
    const wxString& Address() const { return m_address; }
    bool Visited() const { return m_visited; }
    wxColour CurrentColour() const;

    static wxString ReasonText(int code);

private:
    void ApplyColour();

    bool m_focus = false;
    bool m_over = false;
    bool m_visited = false;
    unsigned m_options = kUnderline | kUseHover | kAutoSize | kTakeFocus;
    wxString m_address;
};

}  // namespace orvane::gui
