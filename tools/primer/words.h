// The program's names of signs, as the generated fragments write them (GBK).
#pragma once

#include <string>

#include "engine/cycle.h"
#include "engine/names.h"

namespace primer {

inline std::string stem(int s) { return orvane::StemNames[static_cast<size_t>(orvane::wrap1(s, 10))]; }
inline std::string branch(int b) { return orvane::BranchNames[static_cast<size_t>(orvane::wrap1(b, 12))]; }
inline std::string element(int e) { return orvane::ElementNames[static_cast<size_t>(orvane::wrap1(e, 5))]; }
inline std::string pillar(int c) { return orvane::cycle_name(c); }
inline std::string ten_god(int code) { return orvane::TenGodNames[static_cast<size_t>(code)]; }
inline std::string nayin(int c) { return orvane::NayinNames[static_cast<size_t>(orvane::nayin_code(c))]; }

// A life stage without the blanks that pad the one-character names.
inline std::string life_stage(int code) {
    std::string name = orvane::LifeStageNames[static_cast<size_t>(code)];
    while (!name.empty() && name.front() == ' ') name.erase(name.begin());
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

inline std::string yin_yang(int n) { return orvane::is_yang(n) ? "阳" : "阴"; }

}  // namespace primer
