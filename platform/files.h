// Whole-file reading with a size limit, writing that never leaves a half-written
// file behind, appends that write all or nothing, and an advisory lock.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

enum class ReadStatus { ok, cannot_open, too_long };

struct ReadResult {
    ReadStatus status = ReadStatus::cannot_open;
    std::string bytes;
};

// Reads the file whole when it is shorter than or as long as maxBytes; a longer
// file gives too_long and reads nothing. Anything but a regular file (a FIFO, a
// device, a folder) cannot be opened: it is never read, so it never blocks.
ReadResult read_file(const std::string& path, std::uintmax_t maxBytes);

// At most maxBytes from the start of a regular file; truncated tells that more follow.
struct PrefixResult {
    bool ok = false;
    bool truncated = false;
    std::string bytes;
};
PrefixResult read_file_prefix(const std::string& path, std::uintmax_t maxBytes);

// Size of the file, or nullopt when it does not exist or is not a regular file.
std::optional<std::uintmax_t> file_size(const std::string& path);

// Whether a page can be regenerated (no fsync) or holds the user's data (fsync
// before the rename, so that a crash keeps either the old or the new file).
enum class Durability { regenerable, durable };

// Writes through a temporary file beside the target and renames it over the
// target. A symbolic link is written through to the file it names; an existing
// file keeps its mode. Temporary files that a killed process left in the
// target's folder are removed at the first write there. Returns false (target
// untouched, no temporary file left) when any step fails.
bool write_file_atomic(const std::string& path, const std::string& bytes,
                       Durability durability = Durability::durable);

// Appends the bytes whole or not at all: a short write (a full disk) cuts the
// file back to its old length. Creates a missing file. Durable.
bool append_file(const std::string& path, const std::string& bytes);

// An exclusive advisory lock (flock) on `path` + ".lock", held for the lifetime
// of the object, so that processes changing one file take turns. locked() is
// false when the lock file cannot be made (a read-only folder): the caller goes
// on unlocked, as before locks existed.
class FileLock {
public:
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool locked() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

}  // namespace platform
