#include "platform/encoding.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace platform {
namespace {

// One conversion of a whole buffer; stops at the first byte that does not convert.
struct Converted {
    std::string text;
    size_t consumed = 0;
    bool complete = false;
};

bool is_ascii(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// One descriptor per direction and thread, opened once: opening costs more
// than converting a name.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

enum class Direction { gbk_to_utf8, utf8_to_gbk };

iconv_t converter(Direction direction) {
    thread_local Converter toUtf8("UTF-8", "GBK");
    thread_local Converter toGbk("GBK", "UTF-8");
    Converter& c = direction == Direction::gbk_to_utf8 ? toUtf8 : toGbk;
    if (!c.ok()) return reinterpret_cast<iconv_t>(-1);
    iconv(c.get(), nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    return c.get();
}

Converted convert(Direction direction, std::string_view input) {
    Converted result;
    // ASCII is the same bytes in GBK and UTF-8.
    if (is_ascii(input)) {
        result.text.assign(input);
        result.consumed = input.size();
        result.complete = true;
        return result;
    }
    iconv_t cd = converter(direction);
    if (cd == reinterpret_cast<iconv_t>(-1)) return result;
    std::vector<char> out(input.size() * 4 + 16);
    char* inPtr = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    if (rc != static_cast<size_t>(-1)) {
        // Flush any shift state.
        rc = iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    }
    result.text.assign(out.data(), outPtr);
    result.consumed = input.size() - inLeft;
    result.complete = rc != static_cast<size_t>(-1) && inLeft == 0;
    return result;
}

}  // namespace

std::optional<std::string> gbk_to_utf8(std::string_view gbk) {
    Converted c = convert(Direction::gbk_to_utf8, gbk);
    if (!c.complete) return std::nullopt;
    return std::move(c.text);
}

std::optional<std::string> utf8_to_gbk(std::string_view utf8) {
    Converted c = convert(Direction::utf8_to_gbk, utf8);
    if (!c.complete) return std::nullopt;
    return std::move(c.text);
}

std::size_t gbk_char_length(std::string_view gbk, std::size_t i) {
    const auto lead = static_cast<unsigned char>(gbk[i]);
    if (lead < 0x81 || lead > 0xFE || i + 1 >= gbk.size()) return 1;
    const auto trail = static_cast<unsigned char>(gbk[i + 1]);
    return trail >= 0x40 && trail <= 0xFE && trail != 0x7F ? 2 : 1;
}

std::string_view gbk_prefix(std::string_view gbk, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < gbk.size()) {
        const std::size_t n = gbk_char_length(gbk, end);
        if (end + n > maxBytes) break;
        end += n;
    }
    return gbk.substr(0, end);
}

std::string gbk_to_utf8_lossy(std::string_view gbk) {
    std::string out;
    while (!gbk.empty()) {
        Converted c = convert(Direction::gbk_to_utf8, gbk);
        out += c.text;
        if (c.complete) break;
        out += "\xEF\xBF\xBD";  // U+FFFD for the byte that did not convert
        gbk.remove_prefix(c.consumed + 1);
    }
    return out;
}

}  // namespace platform
