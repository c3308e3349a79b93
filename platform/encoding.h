// GBK inside, UTF-8 at the edges (terminal, JSON, command-line arguments).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Empty optional when the input is not valid in the source encoding or the
// target encoding lacks a character.
std::optional<std::string> gbk_to_utf8(std::string_view gbk);
std::optional<std::string> utf8_to_gbk(std::string_view utf8);

// Bytes of the GBK character that starts at i: 2 for a lead byte with its trail byte,
// else 1 (a stray byte counts alone).
std::size_t gbk_char_length(std::string_view gbk, std::size_t i);

// The longest prefix of at most maxBytes that does not split a GBK character.
std::string_view gbk_prefix(std::string_view gbk, std::size_t maxBytes);

// For diagnostics: undecodable bytes become U+FFFD instead of failing.
std::string gbk_to_utf8_lossy(std::string_view gbk);

}  // namespace platform
