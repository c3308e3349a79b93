// Whole-file reading with a size limit and writing that never leaves a
// half-written file behind.
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
// file gives too_long and reads nothing.
ReadResult read_file(const std::string& path, std::uintmax_t maxBytes);

// Size of the file, or nullopt when it does not exist or is not a regular file.
std::optional<std::uintmax_t> file_size(const std::string& path);

// Writes through a temporary file in the same folder and renames it over the
// target. Returns false (target untouched) when any step fails.
bool write_file_atomic(const std::string& path, const std::string& bytes);

// Appends, creating the file when it is missing.
bool append_file(const std::string& path, const std::string& bytes);

}  // namespace platform
