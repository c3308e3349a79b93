#include "cli/json_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include <nlohmann/json.hpp>

#include "cli/cli_support.h"
#include "platform/encoding.h"

namespace cli {

JsonWriter::JsonWriter(std::string& out) : out_(out) {
    const std::size_t written = out_.size();
    out_.resize(std::max(out_.capacity(), written + 256));
    cursor_ = out_.data() + written;
    end_ = out_.data() + out_.size();
}

const std::string& JsonWriter::finish() {
    out_.resize(static_cast<std::size_t>(cursor_ - out_.data()));
    cursor_ = out_.data() + out_.size();
    end_ = cursor_;
    return out_;
}

void JsonWriter::grow(std::size_t bytes) {
    const std::size_t written = static_cast<std::size_t>(cursor_ - out_.data());
    out_.resize(std::max(2 * out_.size(), written + bytes + 256));
    cursor_ = out_.data() + written;
    end_ = out_.data() + out_.size();
}

void JsonWriter::value(std::int64_t number) {
    char* p = room(20);
    cursor_ = std::to_chars(p, p + 20, number).ptr;
    needsComma_ = true;
}

void JsonWriter::value(std::uint64_t number) {
    char* p = room(20);
    cursor_ = std::to_chars(p, p + 20, number).ptr;
    needsComma_ = true;
}

namespace {

// Most numbers of a chart are codes and counts below 100.
template <typename Number>
char* write_number(char* p, Number n, std::size_t width) {
    if (n >= 0 && n < 10) {
        *p++ = static_cast<char>('0' + n);
        return p;
    }
    if (n >= 10 && n < 100) {
        *p++ = static_cast<char>('0' + n / 10);
        *p++ = static_cast<char>('0' + n % 10);
        return p;
    }
    return std::to_chars(p, p + width, n).ptr;
}

template <typename Number>
char* write_numbers(char* p, const Number* numbers, std::size_t count, std::size_t width) {
    *p++ = '[';
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) *p++ = ',';
        p = write_number(p, numbers[i], width);
    }
    *p++ = ']';
    return p;
}

}  // namespace

void JsonWriter::values(const int* numbers, std::size_t count) {
    const std::size_t width = 11;  // "-2147483648"
    cursor_ = write_numbers(room(2 + count * (width + 1)), numbers, count, width);
    needsComma_ = true;
}

void JsonWriter::values(const std::uint8_t* numbers, std::size_t count) {
    const std::size_t width = 3;
    cursor_ = write_numbers(room(2 + count * (width + 1)), numbers, count, width);
    needsComma_ = true;
}

void JsonWriter::value(double number) {
    char* p = room(64);
    if (!std::isfinite(number)) {
        std::memcpy(p, "null", 4);
        cursor_ = p + 4;
    } else {
        // nlohmann's own shortest form (with its ".0" and "e+NN"), so that the text does not move.
        cursor_ = nlohmann::detail::to_chars(p, p + 64, number);
    }
    needsComma_ = true;
}

void JsonWriter::value(bool flag) { raw(flag ? "true" : "false"); }

void JsonWriter::string(std::string_view s) {
    if (!is_utf8(s)) {
        // Rare: let nlohmann replace the bad bytes exactly as it always has.
        raw(dump_json(nlohmann::ordered_json(std::string(s))));
        return;
    }
    char* p = room(2 + 6 * s.size());  // every byte escaped at worst
    *p++ = '"';
    for (const char byte : s) {
        const unsigned char c = static_cast<unsigned char>(byte);
        if (c >= 0x20 && c != '"' && c != '\\') {
            *p++ = byte;
            continue;
        }
        *p++ = '\\';
        switch (c) {
            case '"': *p++ = '"'; break;
            case '\\': *p++ = '\\'; break;
            case '\b': *p++ = 'b'; break;
            case '\t': *p++ = 't'; break;
            case '\n': *p++ = 'n'; break;
            case '\f': *p++ = 'f'; break;
            case '\r': *p++ = 'r'; break;
            default: {
                static const char hex[] = "0123456789abcdef";
                *p++ = 'u';
                *p++ = '0';
                *p++ = '0';
                *p++ = hex[c >> 4];
                *p++ = hex[c & 15];
            }
        }
    }
    *p++ = '"';
    cursor_ = p;
    needsComma_ = true;
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
