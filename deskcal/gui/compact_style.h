// 紧凑外观: GTK's default padding makes entries, buttons and drop-down lists much taller than
// the 22-pixel rows this dialog is laid out in; a little CSS brings them back to that size.
#pragma once

namespace deskcal {

// Applies once per process; does nothing outside GTK 3.
void apply_compact_style();

}  // namespace deskcal
