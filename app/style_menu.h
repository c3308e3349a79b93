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

// One style of the menu: line `item` + 1 of style.ini names style folder `item` + 1.
struct StyleName {
    int item;          // [0, 19]
    std::string name;  // GBK, never empty
};

// The names of style.ini: a line ends at a CR; a line whose CR is missing or is
// the last byte of the file is not taken; only lines 1 to 20 count. The LF of a
// CR LF ending is dropped instead of starting the next name, and so is white
// space around a name. A line left empty, or whose bytes are not GBK text (a
// file saved as UTF-8, say), gives no menu item; the lines after it keep their
// numbers. A file that begins with the UTF-8 byte-order mark is read as UTF-8.
std::vector<StyleName> split_style_names(const std::string& bytes);

// Reads style/style.ini of the program folder. Nothing, after the message
// "style.ini can't open" or "style.ini > 6400 Byte", when it cannot be used.
std::optional<std::vector<StyleName>> read_style_names();

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
