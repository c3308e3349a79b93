#include "report/style_folder.h"

#include "platform/program_dir.h"

namespace orvane {

std::string& current_style_folder() {
    static std::string folder;
    return folder;
}

std::string style_folder_of(const std::string& number) { return platform::program_path("style/" + number); }

}  // namespace orvane
