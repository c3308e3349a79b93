// JSON written straight into a caller's buffer, with no tree in between: the
// same text, byte for byte, as nlohmann's compact dump of the same values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cli {

class JsonWriter {
public:
    // Appends to `out`; the caller clears it between documents to keep its capacity.
    explicit JsonWriter(std::string& out) : out_(out) {}

    void begin_object() { open('{'); }
    void end_object() { close('}'); }
    void begin_array() { open('['); }
    void end_array() { close(']'); }

    // A member name: plain ASCII without quotes or backslashes, as the record's field names are.
    void key(std::string_view name) {
        separate();
        out_ += '"';
        out_.append(name);
        out_ += "\":";
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
    void separate() {
        if (needsComma_) out_ += ',';
    }
    void open(char bracket) {
        separate();
        out_ += bracket;
        needsComma_ = false;
    }
    void close(char bracket) {
        out_ += bracket;
        needsComma_ = true;
    }

    std::string& out_;
    bool needsComma_ = false;
    std::string scratch_;
};

}  // namespace cli
