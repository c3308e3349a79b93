// The lines of a batch on stdin, each read with a ceiling, so that one endless
// line cannot take the memory of the machine.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace cli {

inline constexpr std::size_t kInputLineLimit = 64 * 1024;

struct InputLine {
    int number = 0;        // from 1
    std::string text;      // without its line end (LF or CR LF); empty when too long
    bool tooLong = false;  // longer than kInputLineLimit: the rest was skipped
};

class InputLines {
public:
    explicit InputLines(std::istream& in) : in_(in) {}
    // The next line; false at the end of the input. A last line without a line
    // end still counts.
    bool next(InputLine& line);

private:
    std::istream& in_;
    int number_ = 0;
};

}  // namespace cli
