#include "cli/cli_support.h"

#include <cctype>
#include <cstdio>

#include "platform/encoding.h"

namespace cli {
namespace {

bool all_digits(const std::string& s, size_t from, size_t count) {
    if (from + count > s.size()) return false;
    for (size_t i = from; i < from + count; ++i)
        if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
    return true;
}

}  // namespace

orvane::SolarDate parse_date_shape(const std::string& text) {
    // Exactly YYYY-MM-DD; months and days may have one or two digits.
    size_t dash1 = text.find('-');
    size_t dash2 = dash1 == std::string::npos ? dash1 : text.find('-', dash1 + 1);
    if (dash1 != 4 || dash2 == std::string::npos || !all_digits(text, 0, 4) ||
        !all_digits(text, 5, dash2 - 5) || !all_digits(text, dash2 + 1, text.size() - dash2 - 1) ||
        dash2 - 5 < 1 || dash2 - 5 > 2 || text.size() - dash2 - 1 < 1 || text.size() - dash2 - 1 > 2)
        throw Refusal("日期格式应为YYYY-MM-DD：" + to_gbk(text));
    orvane::SolarDate date{std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, dash2 - 5)),
                           std::stoi(text.substr(dash2 + 1))};
    return date;
}

orvane::SolarDate parse_date(const std::string& text) {
    orvane::SolarDate date = parse_date_shape(text);
    if (!orvane::is_valid_solar_date(date.year, date.month, date.day)) throw Refusal("日期不存在：" + to_gbk(text));
    return date;
}

int parse_year(const std::string& text) {
    if (text.size() != 4 || !all_digits(text, 0, 4)) throw Refusal("年份格式应为YYYY：" + to_gbk(text));
    return std::stoi(text);
}

nlohmann::ordered_json text(const std::string& gbk) { return platform::gbk_to_utf8_lossy(gbk); }

std::string to_gbk(const std::string& utf8) {
    auto gbk = platform::utf8_to_gbk(utf8);
    if (!gbk) throw Refusal("参数含有GBK以外的字符");
    return *gbk;
}

}  // namespace cli

namespace cli {
namespace {

// The length of the well-formed UTF-8 sequence at i, or 0.
std::size_t utf8_sequence(const std::string& s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead == 0xE0) length = 3, low = 0xA0;
    else if (lead >= 0xE1 && lead <= 0xEC) length = 3;
    else if (lead == 0xED) length = 3, high = 0x9F;  // no surrogates
    else if (lead >= 0xEE && lead <= 0xEF) length = 3;
    else if (lead == 0xF0) length = 4, low = 0x90;
    else if (lead >= 0xF1 && lead <= 0xF3) length = 4;
    else if (lead == 0xF4) length = 4, high = 0x8F;
    else return 0;
    if (i + length > s.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    return length;
}

}  // namespace

bool is_utf8(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t n = utf8_sequence(bytes, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string printable_utf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t n = utf8_sequence(bytes, i);
        if (n == 0) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(bytes[i]));
            out += escaped;
            ++i;
        } else {
            out.append(bytes, i, n);
            i += n;
        }
    }
    return out;
}

std::string dump_json(const nlohmann::ordered_json& value) {
    return value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace cli
