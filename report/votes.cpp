#include "report/votes.h"

#include <ini.h>

#include <cstdio>
#include <cstring>

#include "platform/files.h"
#include "platform/program_dir.h"

namespace orvane {
namespace {

// A vote file larger than this is not a vote file; it reads as having no votes.
constexpr std::uintmax_t kVoteFileLimit = 1 << 20;

struct Lookup {
    std::string key;
    std::string value = "0";
    bool found = false;
};

int on_entry(void* user, const char* section, const char* name, const char* value) {
    auto* lookup = static_cast<Lookup*>(user);
    if (!lookup->found && strcasecmp(section, "Vote") == 0 && lookup->key == name) {
        lookup->value = value;  // the first entry wins
        lookup->found = true;
    }
    return 1;
}

}  // namespace

std::string vote_text(int number) {
    Lookup lookup{std::to_string(number)};
    platform::ReadResult file = platform::read_file(platform::program_path("dovar.dll"), kVoteFileLimit);
    if (file.status == platform::ReadStatus::ok) {
        // inih stops at an embedded zero byte; a binary file simply yields no entry.
        ini_parse_string(file.bytes.c_str(), on_entry, &lookup);
    }
    std::string value = lookup.value.substr(0, 3);  // a buffer of four bytes with its terminator
    if (value == "0") return "未有投票数据";
    return value + "%";
}

std::string vote_button(int number) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "<div id='d%d'><button type='button' onClick=\"v('%d')\">投票</button></div>",
                  number, number);
    return buffer;
}

std::string vote_text_and_button(int number) { return vote_text(number) + vote_button(number); }

}  // namespace orvane
