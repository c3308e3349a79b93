// 生辰补全 — what every way of entering a birth does after the date has been
// validated: the nominal age, the date in the other calendar, the leap flag and
// month code, and the hour branch of the entered hour.
#pragma once

namespace orvane {

// Completes the birth data of the chart record. False, with nothing more
// changed, when the date lies outside the calendar tables.
bool complete_birth_data();

}  // namespace orvane
