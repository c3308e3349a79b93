#include "cli/input_lines.h"

namespace cli {

bool InputLines::next(InputLine& line) {
    line.text.clear();
    line.tooLong = false;
    std::streambuf* buffer = in_.rdbuf();
    bool any = false;
    for (int c; (c = buffer->sbumpc()) != std::char_traits<char>::eof();) {
        any = true;
        if (c == '\n') break;
        if (line.tooLong) continue;
        if (line.text.size() == kInputLineLimit) {
            line.tooLong = true;
            line.text.clear();
            line.text.shrink_to_fit();
            continue;
        }
        line.text.push_back(static_cast<char>(c));
    }
    if (!any) return false;
    if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
    line.number = ++number_;
    return true;
}

}  // namespace cli
