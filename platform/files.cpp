#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <set>

namespace platform {
namespace {

// Opens a regular file for reading without blocking on a FIFO or device; -1 otherwise.
int open_regular(const std::string& path, struct stat& st) {
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Reads up to `wanted` bytes; fewer when the file ends first.
std::string read_up_to(int fd, std::size_t wanted) {
    std::string bytes(wanted, '\0');
    std::size_t got = 0;
    while (got < wanted) {
        ssize_t n = ::read(fd, bytes.data() + got, wanted - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

bool write_all(int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

std::string folder_of(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string name_of(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a chain of symbolic links ends at (the path itself when it is none).
std::string resolve_links(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st{};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n <= 0) return path;
        target.resize(static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : folder_of(path) + "/" + target;
    }
    return path;
}

constexpr const char* kTempMark = ".tmp";

// Removes NAME.tmpPID files of processes that no longer run: a process killed
// while writing left them. Each folder is swept once per process, so a batch
// writing thousands of pages into one folder reads it once, not once a page.
void remove_stale_temps(const std::string& folder) {
    static std::mutex guard;
    static std::set<std::string> swept;
    {
        const std::lock_guard<std::mutex> lock(guard);
        if (!swept.insert(folder).second) return;
    }
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const std::string mark = kTempMark;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string file = entry->d_name;
        const auto at = file.rfind(mark);
        if (at == std::string::npos || at == 0) continue;
        const std::string digits = file.substr(at + mark.size());
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 9) continue;
        const pid_t pid = static_cast<pid_t>(std::atol(digits.c_str()));
        if (pid > 0 && pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH)
            ::unlink((folder + "/" + file).c_str());
    }
    ::closedir(dir);
}

}  // namespace

std::optional<std::uintmax_t> file_size(const std::string& path) {
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return static_cast<std::uintmax_t>(st.st_size);
}

ReadResult read_file(const std::string& path, std::uintmax_t maxBytes) {
    ReadResult result;
    struct stat st{};
    const int fd = open_regular(path, st);
    if (fd < 0) return result;
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
        ::close(fd);
        result.status = ReadStatus::too_long;
        return result;
    }
    // The file may have shrunk between fstat and read; keep what was read.
    result.bytes = read_up_to(fd, static_cast<std::size_t>(st.st_size));
    ::close(fd);
    result.status = ReadStatus::ok;
    return result;
}

PrefixResult read_file_prefix(const std::string& path, std::uintmax_t maxBytes) {
    PrefixResult result;
    struct stat st{};
    const int fd = open_regular(path, st);
    if (fd < 0) return result;
    result.bytes = read_up_to(fd, static_cast<std::size_t>(maxBytes));
    char one = 0;
    result.truncated = result.bytes.size() == maxBytes && ::read(fd, &one, 1) == 1;
    ::close(fd);
    result.ok = true;
    return result;
}

bool write_file_atomic(const std::string& path, const std::string& bytes, Durability durability) {
    const std::string target = resolve_links(path);
    const std::string folder = folder_of(target);
    const std::string name = name_of(target);
    remove_stale_temps(folder);

    struct stat old{};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) return false;  // never replace a folder, FIFO or device

    const std::string temp = folder + "/" + name + kTempMark + std::to_string(::getpid());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = write_all(fd, bytes);
    if (ok && exists) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    if (ok && durability == Durability::durable) ok = ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && std::rename(temp.c_str(), target.c_str()) == 0) return true;
    ::unlink(temp.c_str());
    return false;
}

bool append_file(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    bool ok = write_all(fd, bytes) && ::fsync(fd) == 0;
    // A record cut short would be listed half; the file goes back to how it was.
    if (!ok && ::ftruncate(fd, st.st_size) != 0) ok = false;
    ok = (::close(fd) == 0) && ok;
    return ok;
}

FileLock::FileLock(const std::string& path) {
    fd_ = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) return;
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        ::close(fd_);
        fd_ = -1;
        return;
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

}  // namespace platform
