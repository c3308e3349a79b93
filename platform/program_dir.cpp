#include "platform/program_dir.h"

#include <unistd.h>

#include <array>

namespace platform {
namespace {

std::string executable_dir() {
    std::array<char, 4096> buffer{};
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) return ".";
    std::string path(buffer.data(), static_cast<size_t>(n));
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string& dir_storage() {
    static std::string dir = executable_dir();
    return dir;
}

}  // namespace

const std::string& program_dir() { return dir_storage(); }

void set_program_dir(std::string dir) {
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    dir_storage() = std::move(dir);
}

std::string program_path(const std::string& relative) { return program_dir() + "/" + relative; }

}  // namespace platform
