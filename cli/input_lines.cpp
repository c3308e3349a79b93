#include "cli/input_lines.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace cli {

namespace {
constexpr std::size_t kReadSize = 64 * 1024;
}

bool InputLines::refill() {
    if (ended_) return false;
    buffer_.resize(kReadSize);
    at_ = end_ = 0;
    if (in_) {
        in_->read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        end_ = static_cast<std::size_t>(in_->gcount());
    } else {
        if (beforeWaiting_) beforeWaiting_();
        for (;;) {
            const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
            if (n < 0 && errno == EINTR) continue;
            end_ = n > 0 ? static_cast<std::size_t>(n) : 0;
            break;
        }
    }
    if (end_ == 0) ended_ = true;
    return end_ > 0;
}

bool InputLines::next(InputLine& line) {
    line.text.clear();
    line.tooLong = false;
    bool any = false;
    for (;;) {
        if (at_ == end_ && !refill()) break;
        any = true;
        const char* start = buffer_.data() + at_;
        const std::size_t available = end_ - at_;
        const void* lf = std::memchr(start, '\n', available);
        const std::size_t taken = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - start) : available;
        if (!line.tooLong) {
            if (line.text.size() + taken > kInputLineLimit) {
                line.tooLong = true;
                line.text.clear();
                line.text.shrink_to_fit();
            } else {
                line.text.append(start, taken);
            }
        }
        at_ += taken;
        if (lf) {
            ++at_;
            break;
        }
    }
    if (!any) return false;
    if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
    line.number = ++number_;
    return true;
}

}  // namespace cli
