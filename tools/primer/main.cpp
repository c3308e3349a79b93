// primer_gen: writes the primer's pages and the HTML calendar's data from the program's own
// tables, checks that the committed files equal what it would write, and prints the engine's
// calendar day by day for the calendar page's test.
//   primer_gen write ROOT   rewrite the files under ROOT/resources/program that differ
//   primer_gen check ROOT   exit 1, naming them, when any file differs
//   primer_gen days         the engine's lunar date, term and pillars of every day
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "platform/clock.h"
#include "tools/primer/calendar_data.h"
#include "tools/primer/pages.h"

namespace fs = std::filesystem;

namespace {

std::string read_or_empty(const fs::path& path, bool& exists) {
    std::ifstream in(path, std::ios::binary);
    exists = static_cast<bool>(in);
    std::ostringstream text;
    if (in) text << in.rdbuf();
    return text.str();
}

// Through a temporary file and a rename, so that a failed write leaves the old file whole.
bool write_whole(const fs::path& path, const std::string& bytes) {
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    const fs::path temporary = path.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << bytes;
        if (!out.flush()) {
            fs::remove(temporary, error);
            return false;
        }
    }
    fs::rename(temporary, path, error);
    if (error) fs::remove(temporary, error);
    return !error;
}

int usage() {
    std::fprintf(stderr, "usage: primer_gen write ROOT | primer_gen check ROOT | primer_gen days\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // The pages must not depend on the day they are generated.
    platform::set_clock_override({2026, 12, 8, 12, 0, 0});
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "days" && argc == 2) {
        primer::print_engine_days(std::cout);
        return std::cout.good() ? 0 : 1;
    }
    if ((command != "write" && command != "check") || argc != 3) return usage();

    const fs::path root = argv[2];
    std::vector<primer::Output> outputs;
    try {
        outputs = primer::build_outputs(root);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "primer_gen: %s\n", error.what());
        return 1;
    }
    int differing = 0;
    for (const auto& output : outputs) {
        const fs::path path = root / "resources/program" / output.relative;
        bool exists = false;
        const std::string current = read_or_empty(path, exists);
        const bool same = exists && current == output.bytes;
        if (command == "check") {
            if (!same) {
                std::printf("%s: %s\n", exists ? "differs" : "missing", output.relative.c_str());
                ++differing;
            }
            continue;
        }
        if (same) {
            std::printf("unchanged: %s\n", output.relative.c_str());
        } else if (write_whole(path, output.bytes)) {
            std::printf("%s: %s\n", exists ? "changed" : "written", output.relative.c_str());
        } else {
            std::fprintf(stderr, "primer_gen: %s cannot be written\n", path.string().c_str());
            return 1;
        }
    }
    if (command == "check" && differing > 0) {
        std::printf("%d of %zu files differ from what tools/primer generates; "
                    "run: cmake --build BUILD --target primer_pages\n",
                    differing, outputs.size());
        return 1;
    }
    if (command == "check") std::printf("all %zu generated files are current\n", outputs.size());
    return 0;
}
