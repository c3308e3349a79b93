#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

namespace platform {

std::optional<std::uintmax_t> file_size(const std::string& path) {
    struct stat st{};
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return static_cast<std::uintmax_t>(st.st_size);
}

ReadResult read_file(const std::string& path, std::uintmax_t maxBytes) {
    ReadResult result;
    std::ifstream in(path, std::ios::binary);
    auto size = file_size(path);
    if (!in || !size) return result;
    if (*size > maxBytes) {
        result.status = ReadStatus::too_long;
        return result;
    }
    result.bytes.resize(static_cast<size_t>(*size));
    in.read(result.bytes.data(), static_cast<std::streamsize>(result.bytes.size()));
    // The file may have shrunk between stat and read; keep what was read.
    result.bytes.resize(static_cast<size_t>(in.gcount()));
    result.status = ReadStatus::ok;
    return result;
}

bool write_file_atomic(const std::string& path, const std::string& bytes) {
    std::string temp = path + ".tmp" + std::to_string(getpid());
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n <= 0) break;
        written += static_cast<size_t>(n);
    }
    bool ok = written == bytes.size() && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && std::rename(temp.c_str(), path.c_str()) == 0) return true;
    std::remove(temp.c_str());
    return false;
}

bool append_file(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace platform
