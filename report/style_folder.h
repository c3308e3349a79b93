// 命状格式目录 — the style folder whose template the report is expanded from
// and into which right.htm is written: the program folder, "style/", and a
// two-digit style number. Empty until the first chart or a style is chosen.
#pragma once

#include <string>

namespace orvane {

std::string& current_style_folder();

// The folder of style NN ("01" … "20") under the program folder.
std::string style_folder_of(const std::string& number);

}  // namespace orvane
