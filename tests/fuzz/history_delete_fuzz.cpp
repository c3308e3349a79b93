// Deleting listed line n (the first byte) from arbitrary log.dat bytes (the rest):
// one span is cut out, and the file then lists exactly the other lines.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/history_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t n = data[0] % 16;
    const std::string_view content(reinterpret_cast<const char*>(data + 1), size - 1);
    auto before = orvane::history_texts(content);
    const auto kept = orvane::remove_history_record(content, n);
    if (n >= before.size()) {
        if (kept) std::abort();
        return 0;
    }
    if (!kept || kept->size() >= content.size()) std::abort();
    // A prefix and a suffix of the content, nothing else.
    std::size_t prefix = 0;
    while (prefix < kept->size() && (*kept)[prefix] == content[prefix]) ++prefix;
    const std::size_t suffix = kept->size() - prefix;
    if (content.substr(content.size() - suffix) != std::string_view(*kept).substr(prefix)) std::abort();
    before.erase(before.begin() + static_cast<std::ptrdiff_t>(n));
    if (orvane::history_texts(*kept) != before) std::abort();
    return 0;
}
