#include "support/temp_dir.h"

#include <fstream>
#include <iterator>
#include <random>

#include "platform/program_dir.h"

namespace testsupport {

TempProgramDir::TempProgramDir() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("orvane-test-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
    previous_ = platform::program_dir();
    platform::set_program_dir(path_.string());
}

TempProgramDir::~TempProgramDir() {
    platform::set_program_dir(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TempProgramDir::write(const std::string& relative, const std::string& bytes) const {
    std::filesystem::create_directories((path_ / relative).parent_path());
    std::ofstream out(path_ / relative, std::ios::binary);
    out << bytes;
}

std::string TempProgramDir::read(const std::string& relative) const {
    std::ifstream in(path_ / relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace testsupport
