#include "cli/cli_support.h"

#include <cctype>

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
    if (!orvane::isValidSolarDate(date.year, date.month, date.day)) throw Refusal("日期不存在：" + to_gbk(text));
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
