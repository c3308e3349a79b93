#include "report/template_expansion.h"

#include <cstdio>
#include <memory>

#include "platform/message.h"
#include "report/report_fields.h"
#include "report/style_folder.h"

namespace orvane {
namespace {

constexpr std::size_t kReferenceLength = 6;  // "[" four digits and a closing byte

void report_bad_reference(const std::string& bytesAfterBracket) {
    platform::show_message("命状格式模版文件格式有错：[" + bytesAfterBracket);
}

// The field number of the four bytes, each weighed by its code as a signed char.
int reference_number(const char* digits) {
    int n = 0;
    for (int i = 0; i < 4; ++i) n = n * 10 + (static_cast<signed char>(digits[i]) - 0x30);
    return n;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

std::string expand_template_bytes(const std::string& bytes) {
    std::string page;
    page.reserve(bytes.size() * 4);
    const std::size_t size = bytes.size();
    std::size_t p = 0;
    while (p < size) {
        const std::size_t bracket = bytes.find('[', p);
        if (bracket == std::string::npos) {
            page.append(bytes, p, std::string::npos);
            break;
        }
        page.append(bytes, p, bracket - p);
        if (size - bracket < kReferenceLength) {
            // A reference cut off by the end of the template: report what is
            // there, padded with blanks, and stop.
            std::string rest = bytes.substr(bracket + 1);
            rest.resize(kReferenceLength - 1, ' ');
            report_bad_reference(rest);
            break;
        }
        const int n = reference_number(bytes.data() + bracket + 1);
        if (n >= 0 && n < kReportFieldCount)
            page += ReportFieldTable[static_cast<std::size_t>(n)];
        else
            report_bad_reference(bytes.substr(bracket + 1, kReferenceLength - 1));
        p = bracket + kReferenceLength;
    }
    return page;
}

std::optional<std::string> expand_template() {
    const std::string path = current_style_folder() + "/normal.htm";
    // Opened for reading and writing, as the program always has: a read-only
    // template is refused like a missing one.
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "r+b"));
    if (!file) {
        platform::show_message("不能打开命状格式文件，请安装");
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) {
        bytes.append(buffer, n);
        if (bytes.size() >= kTemplateLimit) {
            platform::show_message("命状格式模板文件超长");
            return std::string();
        }
    }
    return expand_template_bytes(bytes);
}

}  // namespace orvane
