// 投票 — reader vote percentages from dovar.dll (INI text despite its name,
// section "Vote", key = the judgement's vote number) and the vote button.
#pragma once

#include <string>

namespace orvane {

// Looks at the vote file once (one stat) and reads it again only when its
// size, modification time or identity changed or it appeared or vanished.
// Called at the start of every report, so that a vote written between two
// reports is seen by the next one.
void refresh_votes();

// The stored percentage with "%", or "未有投票数据" when it is "0" or missing.
// Comes from the votes kept by refresh_votes (read first when the program
// folder is not the one they came from); a value is cut to three characters.
std::string vote_text(int number);

// The button with which a reader votes on judgement `number` (the style's own
// script v(id) handles it).
std::string vote_button(int number);

// vote_text followed by vote_button.
std::string vote_text_and_button(int number);

}  // namespace orvane
