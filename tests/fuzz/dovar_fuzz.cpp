// dovar.dll (INI text) over arbitrary bytes: a vote is "未有投票数据" or at most
// three bytes and "%", for the number the input starts with and for a few
// others; an entry of section [Vote] added after the bytes is found.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/program_dir.h"
#include "report/votes.h"

namespace {

std::filesystem::path folder;

void set_up() {
    folder = std::filesystem::temp_directory_path() / ("orvane-dovar-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    platform::set_program_dir(folder.string());
}

// An empty value shows as "%" alone: the file said nothing more.
bool well_formed(const std::string& vote) {
    return vote == "未有投票数据" || (!vote.empty() && vote.size() <= 4 && vote.back() == '%');
}

// Written as between two reports: the next report looks at the file again.
void write(const std::string& bytes) {
    std::ofstream(folder / "dovar.dll", std::ios::binary | std::ios::trunc) << bytes;
    orvane::refresh_votes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool once = (set_up(), true);
    (void)once;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    write(bytes);
    const int first = size > 0 ? data[0] % 10 : 0;
    for (int number : {first, 1, 9999, -1})
        if (!well_formed(orvane::vote_text(number))) std::abort();

    // Found when nothing before it names vote 4321 and no zero byte ends the text early.
    if (bytes.find('\0') != std::string::npos || bytes.find("4321") != std::string::npos) return 0;
    write(bytes + "\n[Vote]\n4321=87\n");
    if (orvane::vote_text(4321) != "87%") std::abort();
    return 0;
}
