#include "app/style_menu.h"

#include <cstdio>

#include "app/build_chart.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/program_dir.h"
#include "report/style_folder.h"
#include "report/template_expansion.h"

namespace orvane {

std::vector<std::string> split_style_names(const std::string& bytes) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (names.size() < static_cast<std::size_t>(kStyleCount)) {
        const std::size_t cr = bytes.find('\r', start);
        if (cr == std::string::npos || cr + 1 >= bytes.size()) break;
        std::string line = bytes.substr(start, cr - start);
        if (!line.empty() && line.front() == '\n') line.erase(0, 1);
        names.push_back(std::move(line));
        start = cr + 1;
    }
    return names;
}

std::optional<std::vector<std::string>> read_style_names() {
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
