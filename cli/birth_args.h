// BIRTH: the birth data of orvane-cli's chart commands, stored into the chart
// record as the birth data dialog stores it.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

namespace cli {

struct BirthArgs {
    std::string solar;  // YYYY-MM-DD
    std::string lunar;  // YYYY-MM-DD, month 1-12
    bool leap = false;
    std::string time;  // HH:MM
    std::string sex;   // male | female
    std::string name;
    std::string place;    // 省/市
    std::string coords;   // LON,LAT in degrees east and north, a place outside the table
    std::string zone;     // the IANA time zone of that place
    std::string options;  // ABCD, the four switches in the order of option.dat
    bool yes = false;
    bool no = false;
};

// The BIRTH options; with `required` false, --time and --sex may be left out
// (report --history casts from a stored record instead).
void add_birth_options(CLI::App& app, BirthArgs& args, bool required = true);

// The words of a batch line in their plain shape, read without the general
// parser: each word a BIRTH option followed by its value (a flag alone), none
// twice, none with another it excludes, the required ones there and the sex
// one of its choices. Returns false, leaving `args` alone, for any other shape;
// the general parser then gives the same result or its refusal.
bool read_plain_birth_words(const std::vector<std::string>& words, BirthArgs& args);

// Captures every message box shown while it lives, and answers the yes/no
// questions as the arguments say.
class MessageCapture {
public:
    explicit MessageCapture(bool answerYes);
    ~MessageCapture();
    std::vector<std::string> messages;  // GBK

private:
    struct Impl;
    Impl* impl_;
};

// Sets the options (from --options or option.dat), checks the date with the
// program's own messages and completes BirthData in the chart record. Throws
// Refusal with the message when the birth is refused.
void store_birth(const BirthArgs& args, MessageCapture& capture);

}  // namespace cli
