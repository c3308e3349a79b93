// Small builders for the GBK HTML the primer's generated fragments are made of.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace primer {

// One table: an optional caption, header cells and rows of cells (all GBK, already HTML).
struct Table {
    std::string cssClass;
    std::string caption;
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;

    void row(std::vector<std::string> cells) { rows.push_back(std::move(cells)); }
    std::string html() const;
};

// Text with & < > escaped.
std::string escape(const std::string& text);

// Parts joined with a separator.
std::string join(const std::vector<std::string>& parts, const std::string& separator);

// printf into a string.
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// A real score as the report writes it ("%.3f", "%.2f" …).
std::string decimal(double value, int places);

}  // namespace primer
