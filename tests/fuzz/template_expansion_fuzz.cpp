// Template expansion over arbitrary bytes: no read past the template, no crash,
// and a page that holds every byte up to the first bracket.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/message.h"
#include "report/report_fields.h"
#include "report/template_expansion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static bool once = [] {
        platform::set_message_handler([](const std::string&) {});
        orvane::ReportFieldTable[101] = "<b>101</b>";
        orvane::ReportFieldTable[5701] = "last";
        return true;
    }();
    (void)once;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string page = orvane::expand_template_bytes(bytes);
    const std::size_t bracket = bytes.find('[');
    if (page.compare(0, std::min(bracket, bytes.size()), bytes, 0, std::min(bracket, bytes.size())) != 0) std::abort();
    return 0;
}
