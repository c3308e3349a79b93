// 程序图标: the calendar's icon, a small page with a red band, drawn at run time.
#pragma once

#include <wx/bitmap.h>
#include <wx/icon.h>

namespace deskcal {

wxBitmap ProgramIconBitmap(int size);
wxIcon ProgramIcon(int size);

}  // namespace deskcal
