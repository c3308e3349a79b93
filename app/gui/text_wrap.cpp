#include "app/gui/text_wrap.h"

#include <wx/window.h>

namespace orvane::gui {
namespace {

bool is_closing_punctuation(wxUniChar c) {
    static const wxString closing(L"，。、；：？！）》」』”’…,.;:?!)");
    return closing.Find(c) != wxNOT_FOUND;
}

bool is_word_character(wxUniChar c) { return c < 128 && (wxIsalnum(c) || c == '_' || c == '-'); }

}  // namespace

wxString wrap_text(const wxString& text, int width, const std::function<int(const wxString&)>& measure) {
    wxString wrapped;
    wxString line;
    const size_t length = text.length();
    for (size_t i = 0; i < length;) {
        if (text[i] == '\n') {
            wrapped += line + "\n";
            line.clear();
            ++i;
            continue;
        }
        // The next piece that may not be split: a Latin word, or one character with
        // the closing punctuation that follows it.
        size_t end = i + 1;
        if (is_word_character(text[i]))
            while (end < length && is_word_character(text[end])) ++end;
        while (end < length && is_closing_punctuation(text[end])) ++end;
        const wxString piece = text.Mid(i, end - i);
        if (!line.empty() && measure(line + piece) > width) {
            line.Trim();
            wrapped += line + "\n";
            line = piece == " " ? wxString() : piece;
        } else {
            line += piece;
        }
        i = end;
    }
    return wrapped + line;
}

wxString wrap_text(const wxString& text, int width, const wxWindow& window) {
    return wrap_text(text, width, [&window](const wxString& piece) { return window.GetTextExtent(piece).x; });
}

}  // namespace orvane::gui
