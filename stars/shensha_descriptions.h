// 神煞说明 — the name and paragraph shown for each special star in the list of stars found.
#pragma once

#include <array>

namespace orvane {

struct ShenShaSMRow {
    int starId;        // 101..131, 201..256, 301..383, 401..456, 501..509
    const char* Name;  // GBK, as the list shows it
    const char* SM;    // GBK, one paragraph without line breaks or markup
};

// Ascending by starId, one row per star. Pairs of stars that share a paragraph
// point at the same text.
extern const std::array<ShenShaSMRow, 235> ShenShaSM;

// The row of a star, or nullptr when the star has none.
const ShenShaSMRow* find_star_description(int starId);

}  // namespace orvane
