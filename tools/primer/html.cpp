#include "tools/primer/html.h"

#include <cstdarg>
#include <cstdio>

namespace primer {

std::string Table::html() const {
    std::string out = cssClass.empty() ? "<table>\n" : "<table class=\"" + cssClass + "\">\n";
    if (!caption.empty()) out += "<caption>" + caption + "</caption>\n";
    if (!header.empty()) {
        out += "<tr>";
        for (const auto& cell : header) out += "<th>" + cell + "</th>";
        out += "</tr>\n";
    }
    for (const auto& cells : rows) {
        out += "<tr>";
        for (size_t i = 0; i < cells.size(); ++i) {
            // The first cell of a row names it, as the header names the columns.
            const char* tag = i == 0 && !header.empty() ? "th" : "td";
            out += std::string("<") + tag + ">" + cells[i] + "</" + tag + ">";
        }
        out += "</tr>\n";
    }
    return out + "</table>\n";
}

std::string escape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    // GBK trail bytes are 0x40 and above, so they never look like & < >.
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string join(const std::vector<std::string>& parts, const std::string& separator) {
    std::string out;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) out += separator;
        out += parts[i];
    }
    return out;
}

std::string format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    char buffer[512];
    const int n = std::vsnprintf(buffer, sizeof buffer, fmt, args);
    va_end(args);
    return n < 0 ? std::string() : std::string(buffer, static_cast<size_t>(n) < sizeof buffer ? n : sizeof buffer - 1);
}

std::string decimal(double value, int places) { return format("%.*f", places, value); }

}  // namespace primer
