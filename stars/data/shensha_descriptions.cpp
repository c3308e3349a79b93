// 神煞说明 — the five groups of star descriptions joined into one table in StarId order.
#include "stars/shensha_descriptions.h"

#include <algorithm>
#include <cstddef>

#include "stars/data/shensha_descriptions_day_branch.h"
#include "stars/data/shensha_descriptions_day_stem.h"
#include "stars/data/shensha_descriptions_month_branch.h"
#include "stars/data/shensha_descriptions_year_branch.h"
#include "stars/data/shensha_descriptions_year_stem.h"

namespace orvane {

namespace {

// Joined at compile time, so the table is ready before any static initialiser may read it.
template <std::size_t... N>
constexpr std::array<ShenShaSMRow, (N + ...)> joinGroups(const std::array<ShenShaSMRow, N>&... groups) {
    std::array<ShenShaSMRow, (N + ...)> rows{};
    auto next = rows.begin();
    ((next = std::copy(groups.begin(), groups.end(), next)), ...);
    return rows;
}

constexpr bool strictly_ascending(const std::array<ShenShaSMRow, 235>& rows) {
    for (std::size_t i = 1; i < rows.size(); ++i)
        if (rows[i - 1].starId >= rows[i].starId) return false;
    return true;
}

constexpr auto kRows = joinGroups(shensha_text::YearStemRows, shensha_text::YearBranchRows,
                                  shensha_text::MonthBranchRows, shensha_text::DayStemRows,
                                  shensha_text::DayBranchRows);
static_assert(kRows.size() == 235);
static_assert(strictly_ascending(kRows), "find_star_description relies on ascending StarIds");

}  // namespace

constinit const std::array<ShenShaSMRow, 235> ShenShaSM = kRows;

const ShenShaSMRow* find_star_description(int starId) {
    const auto it = std::lower_bound(ShenShaSM.begin(), ShenShaSM.end(), starId,
                                     [](const ShenShaSMRow& row, int id) { return row.starId < id; });
    if (it == ShenShaSM.end() || it->starId != starId) return nullptr;
    return &*it;
}

}  // namespace orvane
