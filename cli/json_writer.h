// JSON written straight into a caller's buffer, with no tree in between: the
// same text, byte for byte, as nlohmann's compact dump of the same values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace cli {

class JsonWriter {
public:
    // Appends to `out`; the caller clears it between documents to keep its capacity.
    // Until finish() (or the writer's end) `out` also holds room not yet written.
    explicit JsonWriter(std::string& out);
    ~JsonWriter() { finish(); }
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    // Cuts the buffer to the text written so far; writing may go on after.
    const std::string& finish();

    void begin_object() { open('{'); }
    void end_object() { close('}'); }
    void begin_array() { open('['); }
    void end_array() { close(']'); }

    // A member name: plain ASCII without quotes or backslashes, as the record's field names are.
    void key(std::string_view name) {
        char* p = room(name.size() + 3);
        *p++ = '"';
        std::memcpy(p, name.data(), name.size());
        p += name.size();
        *p++ = '"';
        *p++ = ':';
        cursor_ = p;
        needsComma_ = false;
    }

    void value(int number) { value(static_cast<std::int64_t>(number)); }
    void value(std::int64_t number);
    void value(std::uint64_t number);
    void value(std::uint8_t number) { value(static_cast<std::uint64_t>(number)); }
    // A float is widened to double first, as nlohmann stores it.
    void value(float number) { value(static_cast<double>(number)); }
    void value(double number);
    void value(bool flag);
    void value(const std::string& utf8) { string(utf8); }
    // UTF-8 text; bytes that are not UTF-8 become U+FFFD, never invalid output.
    void string(std::string_view utf8);
    // GBK text of the program, written as UTF-8.
    void text(std::string_view gbk);
    // A whole array of numbers at once, its brackets included.
    void values(const int* numbers, std::size_t count);
    void values(const std::uint8_t* numbers, std::size_t count);

    template <typename T>
    void member(std::string_view name, const T& v) {
        key(name);
        value(v);
    }
    void text_member(std::string_view name, std::string_view gbk) {
        key(name);
        text(gbk);
    }

private:
    // Room for `bytes` more after the separator, which it writes; the caller
    // moves cursor_ past what it wrote. One bounds check per token.
    char* room(std::size_t bytes) {
        if (static_cast<std::size_t>(end_ - cursor_) < bytes + 1) grow(bytes + 1);
        char* p = cursor_;
        if (needsComma_) *p++ = ',';
        return p;
    }
    void grow(std::size_t bytes);
    void open(char bracket) {
        char* p = room(1);
        *p++ = bracket;
        cursor_ = p;
        needsComma_ = false;
    }
    void close(char bracket) {
        if (cursor_ == end_) grow(1);
        *cursor_++ = bracket;
        needsComma_ = true;
    }
    void raw(std::string_view bytes) {
        char* p = room(bytes.size());
        std::memcpy(p, bytes.data(), bytes.size());
        cursor_ = p + bytes.size();
        needsComma_ = true;
    }

    std::string& out_;
    char* cursor_;  // the end of the text written, inside out_
    char* end_;     // the end of out_'s room
    bool needsComma_ = false;
    std::string scratch_;
};

}  // namespace cli
