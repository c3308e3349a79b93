// The lines of a batch on stdin, each read with a ceiling, so that one endless
// line cannot take the memory of the machine.
#pragma once

#include <cstddef>
#include <functional>
#include <istream>
#include <string>
#include <vector>

namespace cli {

inline constexpr std::size_t kInputLineLimit = 64 * 1024;

struct InputLine {
    int number = 0;        // from 1
    std::string text;      // without its line end (LF or CR LF); empty when too long
    bool tooLong = false;  // longer than kInputLineLimit: the rest was skipped
};

class InputLines {
public:
    explicit InputLines(std::istream& in) : in_(&in) {}
    // Reads the descriptor itself; `beforeWaiting` runs each time the lines
    // read so far are used up and reading may block (the place to flush
    // answers, so that a program feeding one line at a time gets each one).
    InputLines(int fd, std::function<void()> beforeWaiting) : fd_(fd), beforeWaiting_(std::move(beforeWaiting)) {}
    // The next line; false at the end of the input. A last line without a line
    // end still counts.
    bool next(InputLine& line);

private:
    bool refill();  // false at the end of the input

    std::istream* in_ = nullptr;
    int fd_ = -1;
    std::function<void()> beforeWaiting_;
    std::vector<char> buffer_;
    std::size_t at_ = 0, end_ = 0;
    bool ended_ = false;
    int number_ = 0;
};

}  // namespace cli
