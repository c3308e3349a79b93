// 年份 — the years the birth dialog lists, from the one place the dialog takes them.
// Index 0 of the list is the first year, as the dialog's year index counts.
#pragma once

#include <wx/string.h>

#include "app/birth_entry.h"

namespace orvane::gui {

inline constexpr int kFirstDialogYear = kFirstListedYear;
inline constexpr int kLastDialogYear = kFirstListedYear + kListedYears - 1;
static_assert(kFirstDialogYear <= kLastDialogYear);

// The index of a typed year ("1984", " 1984 "), or -1 when it is not one of the list.
int year_index_of(const wxString& typed);

}  // namespace orvane::gui
