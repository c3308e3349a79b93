#include "report/template_expansion.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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

// The template's bytes, kept between reports so that its memory is reused.
std::string& template_buffer() {
    static std::string bytes;
    return bytes;
}

// The length of the page the template expands to, without showing anything: the
// literal bytes and the text of every valid reference.
std::size_t expanded_size(const std::string& bytes) {
    std::size_t total = 0;
    const std::size_t size = bytes.size();
    std::size_t p = 0;
    while (p < size) {
        const std::size_t bracket = bytes.find('[', p);
        if (bracket == std::string::npos) return total + (size - p);
        total += bracket - p;
        if (size - bracket < kReferenceLength) return total;
        const int n = reference_number(bytes.data() + bracket + 1);
        if (n >= 0 && n < kReportFieldCount) total += ReportFieldTable[static_cast<std::size_t>(n)].size();
        p = bracket + kReferenceLength;
    }
    return total;
}

}  // namespace

bool expand_template_bytes_into(const std::string& bytes, std::string& page) {
    page.clear();
    const std::size_t pageSize = expanded_size(bytes);  // one pass to size, one to write
    if (pageSize > kPageLimit) {
        platform::show_message(kPageTooLongMessage);
        return false;
    }
    page.reserve(pageSize);
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
    return true;
}

std::string expand_template_bytes(const std::string& bytes) {
    std::string page;
    expand_template_bytes_into(bytes, page);
    return page;
}

bool expand_template_into(std::string& page) {
    page.clear();
    const std::string path = current_style_folder() + "/normal.htm";
    // Opened for reading and writing, as the program always has: a read-only
    // template is refused like a missing one. Only a regular file is read, so a
    // FIFO in its place cannot hang the program.
    const int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    struct stat st{};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (fd >= 0) ::close(fd);
        platform::show_message("不能打开命状格式文件，请安装");
        return false;
    }
    if (static_cast<std::size_t>(st.st_size) >= kTemplateLimit) {
        ::close(fd);
        platform::show_message("命状格式模板文件超长");
        return true;  // an empty page
    }
    std::string& bytes = template_buffer();
    bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t got = 0;
    for (ssize_t n; got < bytes.size() && (n = ::read(fd, bytes.data() + got, bytes.size() - got)) != 0;) {
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(got);
    if (got >= kTemplateLimit) {  // it grew while it was read
        platform::show_message("命状格式模板文件超长");
        return true;
    }
    expand_template_bytes_into(bytes, page);
    return true;
}

std::optional<std::string> expand_template() {
    std::string page;
    if (!expand_template_into(page)) return std::nullopt;
    return page;
}

}  // namespace orvane
