// option.dat — the four switches on disk: ten bytes of ASCII, "11\r\n1\r\n1\r\n",
// the characters at bytes 0, 1, 4 and 7 ("1" on, anything else off).
#pragma once

#include <optional>
#include <string>

#include "engine/options.h"

namespace orvane {

inline constexpr std::size_t kOptionFileLimit = 1024;

// The flags that a file's bytes give; shorter files read the missing bytes as off.
Options options_from_bytes(const std::string& bytes);

// The ten bytes that store the flags.
std::string options_to_bytes(const Options& flags);

// Reads option.dat of the program folder into the process-wide options. On a
// missing or unreadable file ("option.dat文件不能打开") or one over 1024 bytes
// ("option.dat > 1024 byte") it shows the message and keeps the flags.
void read_options();

// The state of the options dialog: its three radio groups (0 = first button,
// 1 = second, -1 = none chosen) and the check box.
struct OptionsDialogState {
    int dayBoundaryIndex = -1;
    int lateZiStemIndex = -1;
    int trueSolarTimeIndex = -1;
    bool saveHistory = false;
    // "夜子时遁法" is enabled only when the day changes at midnight.
    bool lateZiGroupEnabled() const { return dayBoundaryIndex == 0; }
};

// Opening the dialog: reads the file as read_options() does (same messages)
// without changing the process-wide options; an unreadable file opens the
// dialog with nothing chosen.
OptionsDialogState load_options_dialog();

// OK: writes the dialog's choice through a temporary file and a rename. On
// failure shows "option.dat文件不能打开" and returns false (the dialog stays open).
bool save_options_dialog(const OptionsDialogState& state);

}  // namespace orvane
