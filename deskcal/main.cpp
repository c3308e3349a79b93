// tallis: the desk calendar. `tallis --print YYYY-MM [YYYY-MM]` writes a month (or every
// month of a range) as text without a window.
#include <cstdio>
#include <cstring>
#include <string>

#include "deskcal/calendar/month_print.h"
#include "platform/encoding.h"

#ifdef TALLIS_WITH_WINDOW
#include <wx/app.h>

#include "deskcal/gui/tallis_app.h"

wxIMPLEMENT_APP_NO_MAIN(deskcal::TallisApp);
#endif

namespace {

constexpr int kRefused = 2;

int print_month(int argc, char** argv) {
    const std::optional<deskcal::YearMonth> first = argc == 3 || argc == 4 ? deskcal::parse_year_month(argv[2]) : std::nullopt;
    const std::optional<deskcal::YearMonth> last = argc == 4 ? deskcal::parse_year_month(argv[3]) : first;
    if (!first || !last || 12 * last->year + last->month < 12 * first->year + first->month) {
        // Literals are GBK inside the program; the terminal gets UTF-8.
        std::fputs(platform::gbk_to_utf8_lossy("tallis --print YYYY-MM [YYYY-MM]：需要 1901-01 至 2050-12 之间的年月，后者不早于前者\n").c_str(), stderr);
        return kRefused;
    }
    std::string gbk;
    for (int y = first->year, m = first->month; 12 * y + m <= 12 * last->year + last->month; m == 12 ? (++y, m = 1) : ++m) {
        gbk += deskcal::PrintMonth(y, m);
    }
    const std::optional<std::string> text = platform::gbk_to_utf8(gbk);
    if (!text) {
        std::fputs("tallis: text conversion failed\n", stderr);
        return 1;
    }
    std::fwrite(text->data(), 1, text->size(), stdout);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--print") == 0) return print_month(argc, argv);
#ifdef TALLIS_WITH_WINDOW
    return wxEntry(argc, argv);
#else
    std::fputs("tallis: built without windows; only --print YYYY-MM [YYYY-MM] is available\n", stderr);
    return kRefused;
#endif
}
