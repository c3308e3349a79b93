// Batch input over arbitrary bytes: the lines are those of the bytes split at
// LF, a CR before it dropped, one longer than 64 KB marked and emptied; every
// line shown as escaped UTF-8 is UTF-8, UTF-8 is shown as it is, and no text
// makes the JSON output throw.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/cli_support.h"
#include "cli/input_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    cli::InputLines lines(in);
    std::size_t at = 0;
    int number = 0;
    for (cli::InputLine line; lines.next(line);) {
        if (at >= bytes.size() || line.number != ++number) std::abort();
        const std::size_t lf = bytes.find('\n', at);
        const std::size_t end = lf == std::string::npos ? bytes.size() : lf;
        std::string raw = bytes.substr(at, end - at);
        at = lf == std::string::npos ? bytes.size() : lf + 1;
        if (line.tooLong != (raw.size() > cli::kInputLineLimit)) std::abort();
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        if (line.text != (line.tooLong ? "" : raw)) std::abort();

        const std::string shown = cli::printable_utf8(line.text);
        if (!cli::is_utf8(shown)) std::abort();
        if (cli::is_utf8(line.text) && shown != line.text) std::abort();
        nlohmann::ordered_json out;
        out["error"] = shown;
        out["raw"] = line.text;  // bytes that may not be UTF-8
        const std::string dumped = cli::dump_json(out);
        if (nlohmann::ordered_json::parse(dumped)["error"] != shown) std::abort();
    }
    if (at != bytes.size()) std::abort();
    return 0;
}
