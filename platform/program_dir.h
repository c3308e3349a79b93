// The program folder: the folder of the running executable, where every file
// the program reads or writes lives (option.dat, log.dat, style/, dovar.dll).
#pragma once

#include <string>

namespace platform {

// Without a trailing slash.
const std::string& program_dir();
// Overrides the folder (orvane-cli --program-dir, tests).
void set_program_dir(std::string dir);

// program_dir() + "/" + relative, with relative given as "style/02/right.htm".
std::string program_path(const std::string& relative);

}  // namespace platform
