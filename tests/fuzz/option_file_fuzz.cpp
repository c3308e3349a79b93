// option.dat over arbitrary bytes, as the program and the options dialog read
// it: the flags are bytes 0, 1, 4 and 7 being "1"; a file over 1024 bytes
// changes nothing and says so; the dialog's choice written back reads as the
// same flags.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/options_file.h"
#include "engine/options.h"
#include "platform/message.h"
#include "platform/program_dir.h"

namespace {

int messages = 0;
std::filesystem::path folder;

void set_up() {
    folder = std::filesystem::temp_directory_path() / ("orvane-option-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    platform::set_program_dir(folder.string());
    platform::set_message_handler([](const std::string&) { ++messages; });
}

bool flag_is(const std::string& bytes, std::size_t i, std::uint8_t flag) {
    return flag == (i < bytes.size() && bytes[i] == '1' ? 1 : 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool once = (set_up(), true);
    (void)once;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(folder / "option.dat", std::ios::binary | std::ios::trunc) << bytes;

    const orvane::Options sentinel{7, 7, 7, 7};
    orvane::options = sentinel;
    const int shown = messages;
    orvane::read_options();
    const orvane::Options& o = orvane::options;
    if (size > orvane::kOptionFileLimit) {
        if (messages != shown + 1 || o.optMidnightDayBoundary != 7 || o.optSaveHistory != 7) std::abort();
        if (orvane::load_options_dialog().dayBoundaryIndex != -1) std::abort();
        return 0;
    }
    if (messages != shown || !flag_is(bytes, 0, o.optMidnightDayBoundary) || !flag_is(bytes, 1, o.optLateZiNextStem) ||
        !flag_is(bytes, 4, o.optTrueSolarTime) || !flag_is(bytes, 7, o.optSaveHistory))
        std::abort();

    const orvane::Options read = o;
    const orvane::OptionsDialogState dialog = orvane::load_options_dialog();
    if (dialog.lateZiGroupEnabled() != (read.optMidnightDayBoundary == 1)) std::abort();
    if (!orvane::save_options_dialog(dialog)) std::abort();
    orvane::options = sentinel;
    orvane::read_options();
    if (o.optMidnightDayBoundary != read.optMidnightDayBoundary || o.optLateZiNextStem != read.optLateZiNextStem ||
        o.optTrueSolarTime != read.optTrueSolarTime || o.optSaveHistory != read.optSaveHistory)
        std::abort();
    if (orvane::options_to_bytes(read).size() != 10) std::abort();
    return 0;
}
