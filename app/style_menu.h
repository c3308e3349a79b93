// 命状格式 — the report styles: their names from style/style.ini, the menu
// entries they become, and switching the current chart to another style.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvane {

inline constexpr std::size_t kStyleIniLimit = 6400;  // bytes
inline constexpr int kStyleCount = 20;
inline constexpr int kFirstStyleCommand = 32803;  // … 32822

// The names of style.ini: a line ends at a CR; a line whose CR is missing or is
// the last byte of the file is not taken; at most 20 lines. The LF of a CR LF
// ending is dropped instead of starting the next name.
std::vector<std::string> split_style_names(const std::string& bytes);

// Reads style/style.ini of the program folder. Nothing, after the message
// "style.ini can't open" or "style.ini > 6400 Byte", when it cannot be used.
std::optional<std::vector<std::string>> read_style_names();

// "01" … "20" for style item 0 … 19.
std::string style_number(int item);

// The style command to check once the menu is built: the first item while the
// current style folder is folder 01, the second otherwise.
int checked_style_command();

enum class StyleSwitch {
    unchanged,     // already the current style
    written,       // right.htm of the new folder written: show its index.htm
    not_written,   // template or right.htm failed (the message has been shown)
};

// Makes style NN current and expands the report of the chart already cast into
// its right.htm.
StyleSwitch apply_style(const std::string& number);

}  // namespace orvane
