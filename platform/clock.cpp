#include "platform/clock.h"

#include <ctime>
#include <optional>

namespace platform {
namespace {
std::optional<LocalTime>& override_storage() {
    static std::optional<LocalTime> fixed;
    return fixed;
}
}  // namespace

LocalTime now_local() {
    if (override_storage()) return *override_storage();
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

void set_clock_override(const LocalTime& fixed) { override_storage() = fixed; }
void clear_clock_override() { override_storage().reset(); }

}  // namespace platform
