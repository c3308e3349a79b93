// orvane --print-pdf FILE BIRTH: the window program cast and printed without a
// person. The chart is cast in the chart window as the birth dialog casts it, the
// report printed through the window's print path into FILE, and the program ends.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvane::gui {

struct PrintPdfJob {
    std::string pdfPath;     // as given on the command line (UTF-8)
    std::string programDir;  // --program-dir, empty for the executable's folder
    std::vector<std::string> birthArguments;
};

// The job when the arguments start with --print-pdf; nothing otherwise.
std::optional<PrintPdfJob> parse_print_pdf(const std::vector<std::string>& arguments);

// Stores the birth (the command line's BIRTH shapes and checks), casts and prints.
// The exit status: 0 printed, 2 the birth refused, 1 anything else failed.
// Messages go to stderr in UTF-8.
int run_print_pdf(const PrintPdfJob& job);

}  // namespace orvane::gui
