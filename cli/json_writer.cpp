#include "cli/json_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <type_traits>

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

namespace {

// Two digits at a time, from the right.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

char* write_unsigned(char* p, std::uint32_t n) {
    int digits = 1;
    for (std::uint32_t bound = 10; digits < 10 && n >= bound; bound *= 10) ++digits;
    char* end = p + digits;
    char* q = end;
    while (n >= 100) {
        const std::uint32_t pair = (n % 100) * 2;
        n /= 100;
        *--q = kDigitPairs[pair + 1];
        *--q = kDigitPairs[pair];
    }
    if (n >= 10) {
        *--q = kDigitPairs[n * 2 + 1];
        *--q = kDigitPairs[n * 2];
    } else {
        *--q = static_cast<char>('0' + n);
    }
    return end;
}

// Most numbers of a chart are codes, counts and years of int size.
template <typename Number>
char* write_number(char* p, Number n) {
    if constexpr (std::is_signed_v<Number>) {
        if (n < 0) {
            if (n < -static_cast<std::int64_t>(UINT32_MAX)) return std::to_chars(p, p + 20, n).ptr;
            *p++ = '-';
            return write_unsigned(p, static_cast<std::uint32_t>(-static_cast<std::int64_t>(n)));
        }
    }
    if (static_cast<std::uint64_t>(n) > UINT32_MAX) return std::to_chars(p, p + 20, n).ptr;
    return write_unsigned(p, static_cast<std::uint32_t>(n));
}

template <typename Number>
char* write_numbers(char* p, const Number* numbers, std::size_t count) {
    *p++ = '[';
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) *p++ = ',';
        p = write_number(p, numbers[i]);
    }
    *p++ = ']';
    return p;
}

}  // namespace

void JsonWriter::value(std::int64_t number) {
    cursor_ = write_number(room(20), number);
    needsComma_ = true;
}

void JsonWriter::value(std::uint64_t number) {
    cursor_ = write_number(room(20), number);
    needsComma_ = true;
}

void JsonWriter::values(const int* numbers, std::size_t count) {
    const std::size_t width = 11;  // "-2147483648"
    cursor_ = write_numbers(room(2 + count * (width + 1)), numbers, count);
    needsComma_ = true;
}

void JsonWriter::values(const std::uint8_t* numbers, std::size_t count) {
    const std::size_t width = 3;
    cursor_ = write_numbers(room(2 + count * (width + 1)), numbers, count);
    needsComma_ = true;
}

void JsonWriter::value(double number) {
    char* p = room(64);
    if (!std::isfinite(number)) {
        std::memcpy(p, "null", 4);
        cursor_ = p + 4;
    } else if (number == 0) {
        // Most coordinates of a chart: no shortest-form search for them.
        const std::string_view zero = std::signbit(number) ? "-0.0" : "0.0";
        std::memcpy(p, zero.data(), zero.size());
        cursor_ = p + zero.size();
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
