#include "app/options_file.h"

#include "platform/files.h"
#include "platform/message.h"
#include "platform/program_dir.h"

namespace orvane {
namespace {

std::string option_path() { return platform::program_path("option.dat"); }

// The file's bytes, or nothing after the message of the failure.
std::optional<std::string> read_option_bytes() {
    platform::ReadResult file = platform::read_file(option_path(), kOptionFileLimit);
    switch (file.status) {
    case platform::ReadStatus::ok: return std::move(file.bytes);
    case platform::ReadStatus::too_long: platform::show_message("option.dat > 1024 byte"); return std::nullopt;
    case platform::ReadStatus::cannot_open: break;
    }
    platform::show_message("option.dat文件不能打开");
    return std::nullopt;
}

std::uint8_t flag_at(const std::string& bytes, std::size_t i) { return i < bytes.size() && bytes[i] == '1' ? 1 : 0; }

}  // namespace

Options options_from_bytes(const std::string& bytes) {
    return {flag_at(bytes, 0), flag_at(bytes, 1), flag_at(bytes, 4), flag_at(bytes, 7)};
}

std::string options_to_bytes(const Options& flags) {
    std::string bytes;
    bytes += flags.optMidnightDayBoundary ? '1' : '0';
    bytes += flags.optLateZiNextStem ? '1' : '0';
    bytes += "\r\n";
    bytes += flags.optTrueSolarTime ? '1' : '0';
    bytes += "\r\n";
    bytes += flags.optSaveHistory ? '1' : '0';
    bytes += "\r\n";
    return bytes;
}

void read_options() {
    if (auto bytes = read_option_bytes()) options = options_from_bytes(*bytes);
}

OptionsDialogState load_options_dialog() {
    OptionsDialogState state;
    auto bytes = read_option_bytes();
    if (!bytes) return state;
    Options flags = options_from_bytes(*bytes);
    state.dayBoundaryIndex = flags.optMidnightDayBoundary ? 0 : 1;
    state.lateZiStemIndex = flags.optLateZiNextStem ? 0 : 1;
    state.trueSolarTimeIndex = flags.optTrueSolarTime ? 0 : 1;
    state.saveHistory = flags.optSaveHistory != 0;
    return state;
}

bool save_options_dialog(const OptionsDialogState& state) {
    Options flags;
    flags.optMidnightDayBoundary = state.dayBoundaryIndex == 0 ? 1 : 0;
    flags.optLateZiNextStem = state.lateZiStemIndex == 0 ? 1 : 0;
    flags.optTrueSolarTime = state.trueSolarTimeIndex == 0 ? 1 : 0;
    flags.optSaveHistory = state.saveHistory ? 1 : 0;
    if (platform::write_file_atomic(option_path(), options_to_bytes(flags))) return true;
    platform::show_message("option.dat文件不能打开");
    return false;
}

}  // namespace orvane
