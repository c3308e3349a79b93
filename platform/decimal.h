// Integers written as printf's %*d and %0*d write them, without its format
// parsing: the report writes thousands of small numbers.
#pragma once

#include <string>

namespace platform {

// At least `width` bytes: blanks in front, or zeros after the sign with fill '0'.
void append_decimal(std::string& out, int value, int width = 0, char fill = ' ');
std::string decimal(int value, int width = 0, char fill = ' ');

}  // namespace platform
