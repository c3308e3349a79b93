// 程序图标: the calendar's icon, a small page with a red band, drawn at run time.
#pragma once

#include <wx/bitmap.h>
#include <wx/icon.h>

namespace deskcal {

wxBitmap program_icon_bitmap(int size);
wxIcon program_icon(int size);

}  // namespace deskcal
