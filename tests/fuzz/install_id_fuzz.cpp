// install.id over arbitrary bytes: the identifier is the letters and digits the
// file begins with, at most seven, or "0000000"; the chart code starts with it.
#include <unistd.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/chart_code.h"
#include "platform/program_dir.h"

namespace {

// Two folders taken in turn: the identifier is read again when the folder changes.
std::filesystem::path folders[2];
int turn = 0;

void set_up() {
    for (int i = 0; i < 2; ++i) {
        folders[i] = std::filesystem::temp_directory_path() /
                     ("orvane-install-id-fuzz-" + std::to_string(::getpid()) + "-" + std::to_string(i));
        std::filesystem::create_directories(folders[i]);
    }
}

std::string expected(const std::string& bytes) {
    std::string id;
    if (bytes.size() <= 1024)
        for (char c : bytes) {
            if (id.size() == 7 || !std::isalnum(static_cast<unsigned char>(c))) break;
            id += c;
        }
    return id.empty() ? "0000000" : id;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool once = (set_up(), true);
    (void)once;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::filesystem::path& folder = folders[turn];
    turn = 1 - turn;
    std::ofstream(folder / "install.id", std::ios::binary | std::ios::trunc) << bytes;
    platform::set_program_dir(folder.string());
    const std::string id = orvane::installation_identifier();
    if (id != expected(bytes)) std::abort();
    const std::string code = orvane::make_chart_code();
    if (code.compare(0, id.size(), id) != 0 || code.size() > id.size() + 40) std::abort();
    return 0;
}
