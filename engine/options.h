// 选项 — the four switches that change how a chart is cast.
#pragma once

#include <cstdint>

namespace orvane {

struct Options {
    std::uint8_t optMidnightDayBoundary = 1;  // 1: the day changes at 00:00; 0: at 23:00
    std::uint8_t optLateZiNextStem = 1;       // 1: 23:xx takes the next day's 子 hour stem
    std::uint8_t optTrueSolarTime = 1;        // 1: correct the clock by the birth place
    std::uint8_t optSaveHistory = 1;          // 1: append every chart to log.dat
};

// The process-wide switches, all on until option.dat has been read.
extern Options options;

}  // namespace orvane
