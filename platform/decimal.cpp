#include "platform/decimal.h"

#include <charconv>

namespace platform {

void append_decimal(std::string& out, int value, int width, char fill) {
    char digits[16];
    char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    const char* first = digits;
    int pad = width - static_cast<int>(end - digits);
    if (fill == '0' && value < 0) {
        out += '-';  // the zeros go between the sign and the digits
        ++first;
    }
    if (pad > 0) out.append(static_cast<std::size_t>(pad), fill);
    out.append(first, static_cast<std::size_t>(end - first));
}

std::string decimal(int value, int width, char fill) {
    std::string out;
    append_decimal(out, value, width, fill);
    return out;
}

}  // namespace platform
