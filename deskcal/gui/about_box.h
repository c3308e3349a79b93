// 关于 Kerrow万年历: the calendar's own about box, with its icon and the years it covers.
#pragma once

#include <wx/dialog.h>

namespace deskcal {

namespace about_ids {
inline constexpr int kIcon = 120, kName = 121, kText = 122;
}

class AboutBox : public wxDialog {
public:
    explicit AboutBox(wxWindow* parent);
};

}  // namespace deskcal
