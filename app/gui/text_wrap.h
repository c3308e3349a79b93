// 折行 — Chinese text broken into lines that fit a width. wx breaks lines only at
// spaces, and Chinese has none: a long help line would be cut off.
#pragma once

#include <wx/string.h>

#include <functional>

class wxWindow;

namespace orvane::gui {

// Breaks between any two Chinese characters, never before closing punctuation
// (it stays on the line it closes) and never inside a run of Latin letters or
// digits. `measure` gives the width of a piece of text.
wxString wrap_text(const wxString& text, int width, const std::function<int(const wxString&)>& measure);

// The same, measured in a window's font.
wxString wrap_text(const wxString& text, int width, const wxWindow& window);

}  // namespace orvane::gui
