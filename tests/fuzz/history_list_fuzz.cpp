// The history list over arbitrary log.dat bytes: every listed line lies inside
// the content, holds no line end, follows the one before, and the list of whole
// lines is the start of the full list.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/history_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const auto lines = orvane::scan_history(content);
    std::size_t previousEnd = 0;
    for (const auto& line : lines) {
        if (line.recordBegin < previousEnd || line.recordBegin >= line.begin || line.begin > line.end ||
            line.end > content.size())
            std::abort();
        if (content[line.begin - 1] != ']' && content[line.begin - 1] != '\r' && content[line.begin - 1] != '\n')
            std::abort();
        if (content.substr(line.begin, line.end - line.begin).find_first_of("\r\n") != std::string_view::npos)
            std::abort();
        previousEnd = line.end;
    }
    const auto whole = orvane::history_texts(content, true);
    const auto all = orvane::history_texts(content);
    if (whole.size() > all.size() || all.size() > whole.size() + 1) std::abort();
    for (std::size_t i = 0; i < whole.size(); ++i)
        if (whole[i] != all[i]) std::abort();
    return 0;
}
