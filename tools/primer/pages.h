// The files the generator makes: every page template of tools/primer/pages/ turned into a GBK
// page of resources/program/ (same relative path), and the calendar page's data script.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace primer {

struct Output {
    std::string relative;  // under resources/program, e.g. "bzzs/index.htm"
    std::string bytes;     // GBK (pages) or ASCII (scripts)
};

// Builds every output from the source tree rooted at root. Throws std::runtime_error with the
// file and the reason when a template cannot be read, converted or expanded.
std::vector<Output> build_outputs(const std::filesystem::path& root);

// Expands the markers of one template (GBK text); source names it in messages.
std::string expand_page(const std::string& gbk, const std::string& source);

}  // namespace primer
