// 投票 — reader vote percentages from dovar.dll (INI text despite its name,
// section "Vote", key = the judgement's vote number) and the vote button.
#pragma once

#include <string>

namespace orvane {

// The stored percentage with "%", or "未有投票数据" when it is "0" or missing.
// The file is read on every call; a value is cut to three characters.
std::string vote_text(int number);

// The button with which a reader votes on judgement `number` (the style's own
// script v(id) handles it).
std::string vote_button(int number);

// vote_text followed by vote_button.
std::string vote_text_and_button(int number);

}  // namespace orvane
