// Shared pieces of orvane-cli: argument conversion, refusals and JSON output.
#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/gregorian.h"

namespace cli {

// The exit status of a refused input.
inline constexpr int kRefused = 2;

// Thrown by a command when its input is refused; the message is GBK.
struct Refusal : std::runtime_error {
    explicit Refusal(const std::string& gbkMessage) : std::runtime_error(gbkMessage) {}
};

// "YYYY-MM-DD" by its shape only (digits and dashes); throws Refusal otherwise.
orvane::SolarDate parse_date_shape(const std::string& text);

// "YYYY-MM-DD" with a month and day that exist; throws Refusal otherwise.
orvane::SolarDate parse_date(const std::string& text);

// A plain year "YYYY"; throws Refusal otherwise.
int parse_year(const std::string& text);

// GBK text to a JSON string (UTF-8); undecodable bytes become U+FFFD.
nlohmann::ordered_json text(const std::string& gbk);

// Command-line text (UTF-8) to GBK; throws Refusal when GBK lacks a character.
std::string to_gbk(const std::string& utf8);

// Whether the bytes are well-formed UTF-8.
bool is_utf8(std::string_view bytes);

// The bytes as UTF-8 text: well-formed sequences as they are, every other byte
// written out as \xNN, so that bad input can be shown without breaking JSON.
std::string printable_utf8(const std::string& bytes);

// The JSON text of a value; a string that is not UTF-8 cannot make it throw.
std::string dump_json(const nlohmann::ordered_json& value);

}  // namespace cli
