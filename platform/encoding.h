// GBK inside, UTF-8 at the edges (terminal, JSON, command-line arguments).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Empty optional when the input is not valid in the source encoding or the
// target encoding lacks a character.
std::optional<std::string> gbk_to_utf8(std::string_view gbk);
std::optional<std::string> utf8_to_gbk(std::string_view utf8);

// For diagnostics: undecodable bytes become U+FFFD instead of failing.
std::string gbk_to_utf8_lossy(std::string_view gbk);

}  // namespace platform
