#include "cli/json_writer.h"

#include <charconv>
#include <cmath>

#include <nlohmann/json.hpp>

#include "cli/cli_support.h"
#include "platform/encoding.h"

namespace cli {

void JsonWriter::value(std::int64_t number) {
    separate();
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out_.append(digits, static_cast<size_t>(end - digits));
    needsComma_ = true;
}

void JsonWriter::value(std::uint64_t number) {
    separate();
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out_.append(digits, static_cast<size_t>(end - digits));
    needsComma_ = true;
}

void JsonWriter::value(double number) {
    separate();
    if (!std::isfinite(number)) {
        out_ += "null";
    } else {
        // nlohmann's own shortest form (with its ".0" and "e+NN"), so that the text does not move.
        char digits[64];
        const char* end = nlohmann::detail::to_chars(digits, digits + sizeof digits, number);
        out_.append(digits, static_cast<size_t>(end - digits));
    }
    needsComma_ = true;
}

void JsonWriter::value(bool flag) {
    separate();
    out_ += flag ? "true" : "false";
    needsComma_ = true;
}

void JsonWriter::string(std::string_view s) {
    separate();
    needsComma_ = true;
    if (!is_utf8(s)) {
        // Rare: let nlohmann replace the bad bytes exactly as it always has.
        out_ += dump_json(nlohmann::ordered_json(std::string(s)));
        return;
    }
    out_ += '"';
    size_t plain = 0;  // start of the run of bytes copied as they are
    for (size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c >= 0x20 && c != '"' && c != '\\') continue;
        out_.append(s.data() + plain, i - plain);
        plain = i + 1;
        switch (c) {
            case '"': out_ += "\\\""; break;
            case '\\': out_ += "\\\\"; break;
            case '\b': out_ += "\\b"; break;
            case '\t': out_ += "\\t"; break;
            case '\n': out_ += "\\n"; break;
            case '\f': out_ += "\\f"; break;
            case '\r': out_ += "\\r"; break;
            default: {
                static const char hex[] = "0123456789abcdef";
                const char escaped[6] = {'\\', 'u', '0', '0', hex[c >> 4], hex[c & 15]};
                out_.append(escaped, 6);
            }
        }
    }
    out_.append(s.data() + plain, s.size() - plain);
    out_ += '"';
}

void JsonWriter::text(std::string_view gbk) {
    // Most of the program's texts in a chart are short and ASCII or empty.
    bool ascii = true;
    for (char c : gbk)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii) {
        string(gbk);
        return;
    }
    scratch_ = platform::gbk_to_utf8_lossy(gbk);
    string(scratch_);
}

}  // namespace cli
