#include "app/style_menu.h"

#include <cstdio>
#include <string_view>

#include "app/build_chart.h"
#include "platform/encoding.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/program_dir.h"
#include "report/style_folder.h"
#include "report/template_expansion.h"

namespace orvane {

namespace {

// A UTF-8 byte-order mark: the file was saved by an editor that thinks in UTF-8.
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string trimmed(const std::string& line) {
    const char* space = " \t\r\n\f\v";
    const std::size_t first = line.find_first_not_of(space);
    if (first == std::string::npos) return {};
    return line.substr(first, line.find_last_not_of(space) - first + 1);
}

bool has_control_bytes(const std::string& name) {
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 0x20) return true;
    return false;
}

// The name as GBK text, or nothing when it is none. A file that starts with the
// UTF-8 mark says its names are UTF-8: they are converted.
std::optional<std::string> menu_name(const std::string& line, bool utf8File) {
    const std::string name = trimmed(line);
    if (name.empty() || has_control_bytes(name)) return std::nullopt;
    if (utf8File) return platform::utf8_to_gbk(name);
    if (!platform::gbk_to_utf8(name)) return std::nullopt;
    return name;
}

}  // namespace

std::vector<StyleName> split_style_names(const std::string& bytes) {
    std::vector<StyleName> names;
    const bool utf8File = bytes.compare(0, kUtf8Mark.size(), kUtf8Mark) == 0;
    std::size_t start = utf8File ? kUtf8Mark.size() : 0;
    for (int item = 0; item < kStyleCount; ++item) {
        const std::size_t cr = bytes.find('\r', start);
        if (cr == std::string::npos || cr + 1 >= bytes.size()) break;
        std::optional<std::string> name = menu_name(bytes.substr(start, cr - start), utf8File);
        start = cr + 1;
        if (name && !name->empty()) names.push_back({item, std::move(*name)});
    }
    return names;
}

std::optional<std::vector<StyleName>> read_style_names() {
    const platform::ReadResult file = platform::read_file(platform::program_path("style/style.ini"), kStyleIniLimit);
    switch (file.status) {
    case platform::ReadStatus::cannot_open:
        platform::show_message("style.ini can't open");
        return std::nullopt;
    case platform::ReadStatus::too_long:
        platform::show_message("style.ini > 6400 Byte");
        return std::nullopt;
    case platform::ReadStatus::ok:
        break;
    }
    return split_style_names(file.bytes);
}

std::string style_number(int item) {
    char number[16];
    std::snprintf(number, sizeof number, "%02d", item + 1);
    return number;
}

int checked_style_command() {
    return current_style_folder() == style_folder_of("01") ? kFirstStyleCommand : kFirstStyleCommand + 1;
}

StyleSwitch apply_style(const std::string& number) {
    const std::string folder = style_folder_of(number);
    if (folder == current_style_folder()) return StyleSwitch::unchanged;
    current_style_folder() = folder;
    const std::optional<std::string> page = expand_template();
    if (!page) return StyleSwitch::not_written;
    return write_right_page(*page) ? StyleSwitch::written : StyleSwitch::not_written;
}

}  // namespace orvane
