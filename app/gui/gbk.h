// GBK text at the window edge: every label and every value read back passes here.
#pragma once

#include <wx/string.h>
#include <wx/strconv.h>

#include <string>

namespace orvane::gui {

inline wxString from_gbk(const std::string& gbk) { return wxString(gbk.c_str(), wxCSConv("GBK")); }

inline std::string ToGbk(const wxString& text) {
    const wxCharBuffer bytes = text.mb_str(wxCSConv("GBK"));
    return bytes.data() ? std::string(bytes.data()) : std::string();
}

// File names are bytes of the file system's encoding, not GBK text.
inline wxString from_path(const std::string& bytes) { return wxString(bytes.c_str(), *wxConvFileName); }
inline std::string to_path(const wxString& path) {
    const wxCharBuffer bytes = path.fn_str();
    return bytes.data() ? std::string(bytes.data()) : std::string();
}

}  // namespace orvane::gui
