// 日期检查 — the check of an entered birth date and time before any conversion.
#pragma once

namespace orvane {

// Checks the BirthData just stored in the chart record. Returns 1 when it is
// acceptable, 0 after one message box. May set leapMonth when the user answers
// yes to the leap-month question.
int validate_birth_date();

}  // namespace orvane
