// style.ini over arbitrary bytes: at most twenty menu names, each on the line
// of its style folder, never empty, without control bytes or white space at
// its ends, always GBK text; the file read from the style folder gives the same
// names, or nothing and a message when it is over 6400 bytes.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/style_menu.h"
#include "platform/encoding.h"
#include "platform/message.h"
#include "platform/program_dir.h"

namespace {

int messages = 0;
std::filesystem::path folder;

void set_up() {
    folder = std::filesystem::temp_directory_path() / ("orvane-style-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "style");
    platform::set_program_dir(folder.string());
    platform::set_message_handler([](const std::string&) { ++messages; });
}

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool once = (set_up(), true);
    (void)once;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto names = orvane::split_style_names(bytes);
    int previous = -1;
    for (const auto& style : names) {
        if (style.item <= previous || style.item >= orvane::kStyleCount || style.name.empty()) std::abort();
        for (char c : style.name)
            if (static_cast<unsigned char>(c) < 0x20) std::abort();
        if (is_space(style.name.front()) || is_space(style.name.back())) std::abort();
        if (!platform::gbk_to_utf8(style.name)) std::abort();
        previous = style.item;
    }
    std::ofstream(folder / "style" / "style.ini", std::ios::binary | std::ios::trunc) << bytes;
    const int shown = messages;
    const auto read = orvane::read_style_names();
    if (size > orvane::kStyleIniLimit) {
        if (read || messages != shown + 1) std::abort();
        return 0;
    }
    if (!read || read->size() != names.size() || messages != shown) std::abort();
    for (std::size_t i = 0; i < names.size(); ++i)
        if ((*read)[i].item != names[i].item || (*read)[i].name != names[i].name) std::abort();
    return 0;
}
