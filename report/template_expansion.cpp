#include "report/template_expansion.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

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

// A template cut into its pieces: each a literal run followed by a field
// reference, a malformed one (its bytes kept for the message) or the end.
struct TemplatePiece {
    enum Kind { field, bad, end };
    std::size_t literalStart = 0, literalLength = 0;
    Kind kind = end;
    int fieldNumber = 0;
    std::string badReference;  // the five bytes after "[", padded with blanks when cut off
};

std::vector<TemplatePiece> pieces_of(const std::string& bytes) {
    std::vector<TemplatePiece> pieces;
    const std::size_t size = bytes.size();
    std::size_t p = 0;
    while (p < size) {
        TemplatePiece piece;
        piece.literalStart = p;
        const std::size_t bracket = bytes.find('[', p);
        if (bracket == std::string::npos) {
            piece.literalLength = size - p;
            pieces.push_back(std::move(piece));
            break;
        }
        piece.literalLength = bracket - p;
        if (size - bracket < kReferenceLength) {
            // A reference cut off by the end of the template: what is there,
            // padded with blanks, and nothing after it.
            piece.kind = TemplatePiece::bad;
            piece.badReference = bytes.substr(bracket + 1);
            piece.badReference.resize(kReferenceLength - 1, ' ');
            pieces.push_back(std::move(piece));
            break;
        }
        const int n = reference_number(bytes.data() + bracket + 1);
        if (n >= 0 && n < kReportFieldCount) {
            piece.kind = TemplatePiece::field;
            piece.fieldNumber = n;
        } else {
            piece.kind = TemplatePiece::bad;
            piece.badReference = bytes.substr(bracket + 1, kReferenceLength - 1);
        }
        pieces.push_back(std::move(piece));
        p = bracket + kReferenceLength;
    }
    return pieces;
}

// The last template cut and its pieces: a batch of reports, or the window
// casting chart after chart, cuts the same bytes only once.
struct CutTemplate {
    std::string bytes;
    std::vector<TemplatePiece> pieces;  // of the empty template at first: none
};

const CutTemplate& cut_template(const std::string& bytes) {
    static CutTemplate last;
    if (last.bytes != bytes) {
        last.pieces = pieces_of(bytes);
        last.bytes = bytes;
    }
    return last;
}

// The template's bytes as read from the file, kept between reports so that
// their memory is reused.
std::string& template_buffer() {
    static std::string bytes;
    return bytes;
}

}  // namespace

bool expand_template_bytes_into(const std::string& bytes, std::string& page) {
    page.clear();
    const CutTemplate& cut = cut_template(bytes);
    // The page's length first, without showing anything: past the limit
    // nothing is expanded.
    std::size_t pageSize = 0;
    for (const TemplatePiece& piece : cut.pieces) {
        pageSize += piece.literalLength;
        if (piece.kind == TemplatePiece::field)
            pageSize += ReportFieldTable[static_cast<std::size_t>(piece.fieldNumber)].size();
    }
    if (pageSize > kPageLimit) {
        platform::show_message(kPageTooLongMessage);
        return false;
    }
    page.resize(pageSize);
    char* out = page.data();
    const char* literals = cut.bytes.data();
    for (const TemplatePiece& piece : cut.pieces) {
        std::memcpy(out, literals + piece.literalStart, piece.literalLength);
        out += piece.literalLength;
        if (piece.kind == TemplatePiece::field) {
            const std::string& text = ReportFieldTable[static_cast<std::size_t>(piece.fieldNumber)];
            std::memcpy(out, text.data(), text.size());
            out += text.size();
        } else if (piece.kind == TemplatePiece::bad) {
            report_bad_reference(piece.badReference);
        }
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
