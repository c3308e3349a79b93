#include "cli/birth_args.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "engine/city_table.h"
#include "app/options_file.h"
#include "cli/cli_support.h"
#include "engine/birth_data.h"
#include "engine/birth_place.h"
#include "engine/chart_state.h"
#include "engine/date_validation.h"
#include "engine/lunar_calendar.h"
#include "engine/options.h"
#include "platform/message.h"

namespace cli {

struct MessageCapture::Impl {
    platform::MessageHandler previousMessage;
    platform::QuestionHandler previousQuestion;
};

MessageCapture::MessageCapture(bool answerYes) : impl_(new Impl) {
    // The handlers around this one still hear every message and question, so that
    // orvane-cli can print them all.
    impl_->previousMessage = platform::set_message_handler([this](const std::string& text) {
        messages.push_back(text);
        if (impl_->previousMessage) impl_->previousMessage(text);
    });
    impl_->previousQuestion = platform::set_question_handler([this, answerYes](const std::string& text) {
        messages.push_back(text);
        if (impl_->previousQuestion) impl_->previousQuestion(text);
        return answerYes;
    });
}

MessageCapture::~MessageCapture() {
    platform::set_message_handler(std::move(impl_->previousMessage));
    platform::set_question_handler(std::move(impl_->previousQuestion));
    delete impl_;
}

namespace {

const std::vector<std::string> kSexes = {"male", "female"};

// One BIRTH option: a value, or a flag when `flag` is set. In the order of --help.
struct BirthOption {
    const char* name;
    std::string BirthArgs::*value;
    bool BirthArgs::*flag;
    const char* help;
    bool required;  // unless the caller lets BIRTH be left out
    const std::vector<std::string>* choices = nullptr;  // the values it takes, when it takes only some
};

constexpr BirthOption kBirthOptions[] = {
    {"--solar", &BirthArgs::solar, nullptr, "solar birth date YYYY-MM-DD", false},
    {"--lunar", &BirthArgs::lunar, nullptr, "lunar birth date YYYY-MM-DD (month 1-12)", false},
    {"--leap", nullptr, &BirthArgs::leap, "the lunar month is the leap month", false},
    {"--time", &BirthArgs::time, nullptr, "birth time HH:MM (standard time of the place)", true},
    {"--sex", &BirthArgs::sex, nullptr, "male or female", true, &kSexes},
    {"--name", &BirthArgs::name, nullptr, "the person's name (at most 19 bytes of GBK)", false},
    {"--place", &BirthArgs::place, nullptr, "birth place as province/city of the built-in table", false},
    {"--coords", &BirthArgs::coords, nullptr, "a place outside the table: LON,LAT in degrees east and north", false},
    {"--tz", &BirthArgs::zone, nullptr, "the time zone of that place, e.g. America/New_York", false},
    {"--options", &BirthArgs::options, nullptr,
     "four switches 0/1: midnight day boundary, late Zi next stem, true solar time, save history (default: option.dat)",
     false},
    {"--yes", nullptr, &BirthArgs::yes, "answer yes to the program's question", false},
    {"--no", nullptr, &BirthArgs::no, "answer no to the program's question (default)", false},
};

// Pairs that may not be given together.
constexpr std::pair<const char*, const char*> kExcludedPairs[] = {
    {"--solar", "--lunar"}, {"--coords", "--place"}, {"--tz", "--place"}, {"--yes", "--no"}};

constexpr std::size_t kOptionCount = std::size(kBirthOptions);

// The place of an option in kBirthOptions; kOptionCount when it is none of them.
std::size_t option_index(std::string_view name) {
    for (std::size_t i = 0; i < kOptionCount; ++i)
        if (name == kBirthOptions[i].name) return i;
    return kOptionCount;
}

// A value the general parser takes as it stands: not an option, a number or
// anything it would unquote.
bool plain_value(const std::string& word) {
    return !word.empty() && word[0] != '-' && word.find_first_of("\"'`=") == std::string::npos;
}

}  // namespace

void add_birth_options(CLI::App& app, BirthArgs& args, bool required) {
    std::array<CLI::Option*, kOptionCount> added{};
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        const BirthOption& o = kBirthOptions[i];
        CLI::Option* option = o.flag ? app.add_flag(o.name, args.*o.flag, o.help) : app.add_option(o.name, args.*o.value, o.help);
        if (o.required) option->required(required);
        if (o.choices) option->check(CLI::IsMember(*o.choices));
        added[i] = option;
    }
    for (const auto& [one, other] : kExcludedPairs) added[option_index(one)]->excludes(added[option_index(other)]);
}

bool read_plain_birth_words(const std::vector<std::string>& words, BirthArgs& args) {
    std::array<bool, kOptionCount> given{};
    BirthArgs read;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::size_t at = option_index(words[i]);
        if (at == kOptionCount || given[at]) return false;
        given[at] = true;
        const BirthOption& o = kBirthOptions[at];
        if (o.flag) {
            read.*o.flag = true;
            continue;
        }
        if (++i == words.size() || !plain_value(words[i])) return false;
        read.*o.value = words[i];
    }
    for (const auto& [one, other] : kExcludedPairs)
        if (given[option_index(one)] && given[option_index(other)]) return false;
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        const BirthOption& o = kBirthOptions[i];
        if (o.required && !given[i]) return false;
        if (given[i] && o.choices && std::ranges::find(*o.choices, read.*o.value) == o.choices->end()) return false;
    }
    args = std::move(read);
    return true;
}

namespace {

void apply_options(const std::string& text) {
    if (text.empty()) {
        orvane::read_options();
        return;
    }
    if (text.size() != 4 || text.find_first_not_of("01") != std::string::npos)
        throw Refusal("--options 应为四位0或1，例如1101");
    orvane::options = {static_cast<std::uint8_t>(text[0] == '1'), static_cast<std::uint8_t>(text[1] == '1'),
                       static_cast<std::uint8_t>(text[2] == '1'), static_cast<std::uint8_t>(text[3] == '1')};
}

struct ClockTime {
    int hour, minute;
};

ClockTime parse_time(const std::string& text) {
    int hour = -1, minute = -1;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d:%d%c", &hour, &minute, &tail) != 2) throw Refusal("时间格式应为HH:MM：" + to_gbk(text));
    return {hour, minute};
}

struct EnteredPlace {
    double longitude = 0, latitude = 0;
    std::string zone;
};

EnteredPlace parse_entered_place(const BirthArgs& args) {
    if (args.coords.empty() || args.zone.empty()) throw Refusal("--coords 与 --tz 须同时给出");
    EnteredPlace place;
    char tail = 0;
    if (std::sscanf(args.coords.c_str(), "%lf,%lf%c", &place.longitude, &place.latitude, &tail) != 2)
        throw Refusal("经纬度格式应为经度,纬度，例如-74.0,40.7：" + to_gbk(args.coords));
    place.zone = args.zone;
    if (auto problem = orvane::entered_place_problem(place.longitude, place.latitude, place.zone)) throw Refusal(*problem);
    return place;
}

}  // namespace

void store_birth(const BirthArgs& args, MessageCapture& capture) {
    using orvane::chart;
    if (args.solar.empty() == args.lunar.empty()) throw Refusal("需要 --solar 或 --lunar 之一");
    if (args.time.empty() || args.sex.empty()) throw Refusal("需要 --time 和 --sex");
    apply_options(args.options);

    const std::string name = to_gbk(args.name);
    if (name.size() > orvane::kPersonNameBytes) throw Refusal("姓名不能超过19个字节");
    std::string province, city;
    EnteredPlace abroad;
    const bool byCoordinates = !args.coords.empty() || !args.zone.empty();
    if (orvane::options.optTrueSolarTime && byCoordinates) {
        abroad = parse_entered_place(args);
    } else if (orvane::options.optTrueSolarTime) {
        const std::string place = to_gbk(args.place);
        size_t slash = place.find('/');
        if (place.empty()) throw Refusal("<出生地点-省> 未选择");
        if (slash == std::string::npos || slash + 1 >= place.size()) throw Refusal("<出生地点-市> 未选择");
        province = place.substr(0, slash);
        city = place.substr(slash + 1);
        if (!orvane::find_place(province, city))
            capture.messages.push_back("出生地点不在城市表中，不作真太阳时校正：" + place);
    }

    const ClockTime time = parse_time(args.time);
    const orvane::SolarDate date = parse_date_shape(args.solar.empty() ? args.lunar : args.solar);

    orvane::ChartState fresh;
    chart = fresh;
    chart.birthHour = time.hour;
    chart.birthMinute = time.minute;
    if (!args.solar.empty()) {
        chart.solarInput = 1;
        chart.solarYear = date.year;
        chart.solarMonth = date.month;
        chart.solarDay = date.day;
    } else {
        chart.solarInput = 0;
        chart.lunarYear = date.year;
        chart.leapMonth = args.leap ? 1 : 0;
        chart.lunarMonthCode = date.month;
        chart.lunarDay = date.day;
    }
    chart.currentLunarYear = orvane::currentLunarYear();
    const size_t shown = capture.messages.size();
    if (!orvane::validate_birth_date()) {
        std::string message = capture.messages.size() > shown ? capture.messages.back() : "生辰有误";
        throw Refusal(message);
    }

    if (!orvane::complete_birth_data()) throw Refusal("日期超出农历表的范围");
    chart.personName = name;
    chart.sexFlag = args.sex == "male" ? 1 : 0;
    chart.birthProvince = province;
    chart.birthCity = city;
    chart.birthZone = abroad.zone;
    chart.enteredLongitude = static_cast<float>(abroad.longitude);
    chart.enteredLatitude = static_cast<float>(abroad.latitude);
}

}  // namespace cli
