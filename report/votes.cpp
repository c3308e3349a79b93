#include "report/votes.h"

#include <ini.h>

#include <sys/stat.h>
#include <strings.h>

#include <cstdint>
#include <cstring>
#include <unordered_map>

#include "platform/decimal.h"
#include "platform/files.h"
#include "platform/program_dir.h"

namespace orvane {
namespace {

// A vote file larger than this is not a vote file; it reads as having no votes.
constexpr std::uintmax_t kVoteFileLimit = 1 << 20;

// What one stat tells of the file: enough to see it rewritten, replaced or gone.
struct FileStamp {
    bool present = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modifiedSec = 0;
    long modifiedNsec = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp stamp_of(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    return {true, st.st_dev, st.st_ino, st.st_size, static_cast<std::int64_t>(st.st_mtim.tv_sec), st.st_mtim.tv_nsec};
}

struct VoteCache {
    bool loaded = false;
    std::string path;
    FileStamp stamp;
    std::unordered_map<std::string, std::string> votes;  // key → value of [Vote]
};

VoteCache cache;

int on_entry(void* user, const char* section, const char* name, const char* value) {
    auto* votes = static_cast<std::unordered_map<std::string, std::string>*>(user);
    if (strcasecmp(section, "Vote") == 0) votes->emplace(name, value);  // the first entry wins
    return 1;
}

void load(const std::string& path) {
    // The stamp is taken before the read: a change during the read shows at the next look.
    const FileStamp now = stamp_of(path);
    if (cache.loaded && cache.path == path && cache.stamp == now) return;
    cache.loaded = true;
    cache.path = path;
    cache.stamp = now;
    cache.votes.clear();
    if (!now.present) return;
    platform::ReadResult file = platform::read_file(path, kVoteFileLimit);
    // inih stops at an embedded zero byte; a binary file simply yields no entry.
    if (file.status == platform::ReadStatus::ok) ini_parse_string(file.bytes.c_str(), on_entry, &cache.votes);
}

}  // namespace

void refresh_votes() { load(platform::program_path("dovar.dll")); }

std::string vote_text(int number) {
    const std::string path = platform::program_path("dovar.dll");
    if (!cache.loaded || cache.path != path) load(path);
    const auto entry = cache.votes.find(std::to_string(number));
    std::string value = entry == cache.votes.end() ? "0" : entry->second.substr(0, 3);  // a buffer of four bytes
    if (value == "0") return "未有投票数据";
    return value + "%";
}

std::string vote_button(int number) {
    const std::string n = platform::decimal(number);
    return "<div id='d" + n + "'><button type='button' onClick=\"v('" + n + "')\">投票</button></div>";
}

std::string vote_text_and_button(int number) { return vote_text(number) + vote_button(number); }

}  // namespace orvane
