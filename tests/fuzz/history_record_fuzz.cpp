// A record written from arbitrary name, province and city bytes stays one
// record: one '[' counted, one line listed, and its fields read back as written.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/history_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t a = bytes.find('\0');
    const std::size_t b = a == std::string::npos ? a : bytes.find('\0', a + 1);
    orvane::BirthData birth;
    birth.personName = bytes.substr(0, a);
    birth.birthProvince = a == std::string::npos ? "" : bytes.substr(a + 1, b == std::string::npos ? b : b - a - 1);
    birth.birthCity = b == std::string::npos ? "" : bytes.substr(b + 1);
    birth.solarInput = size % 2;
    birth.sexFlag = size % 3 == 0;
    birth.solarYear = birth.lunarYear = 1985;
    birth.solarMonth = birth.lunarMonthCode = 3;
    birth.solarDay = birth.lunarDay = 4;
    birth.birthHour = 12;
    birth.birthMinute = 30;

    const std::string record = orvane::history_record(7, birth, {2024, 5, 6, 7, 8, 9});
    if (orvane::next_history_number(record) != 2) std::abort();
    const auto lines = orvane::history_texts(record);
    if (lines.size() != 1 || lines[0] != orvane::history_birth_line(birth)) std::abort();
    const auto parsed = orvane::parse_history_line(lines[0]);
    if (!parsed) std::abort();
    if (parsed->personName != orvane::clean_history_field(birth.personName, orvane::kHistoryNameBytes) ||
        parsed->birthProvince != orvane::clean_history_field(birth.birthProvince) ||
        parsed->birthCity != orvane::clean_history_field(birth.birthCity) || parsed->year != 1985 ||
        parsed->month != 3 || parsed->day != 4 || parsed->birthHour != 12 || parsed->birthMinute != 30 ||
        parsed->solarInput != birth.solarInput || parsed->sexFlag != birth.sexFlag)
        std::abort();
    // Cleaning is stable: a cleaned field is written unchanged.
    const std::string clean = orvane::clean_history_field(birth.personName);
    if (orvane::clean_history_field(clean) != clean) std::abort();
    return 0;
}
