#include "cli/birth_args.h"

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

void add_birth_options(CLI::App& app, BirthArgs& args, bool required) {
    auto* solar = app.add_option("--solar", args.solar, "solar birth date YYYY-MM-DD");
    auto* lunar = app.add_option("--lunar", args.lunar, "lunar birth date YYYY-MM-DD (month 1-12)");
    solar->excludes(lunar);
    app.add_flag("--leap", args.leap, "the lunar month is the leap month");
    app.add_option("--time", args.time, "birth time HH:MM (standard time of the place)")->required(required);
    app.add_option("--sex", args.sex, "male or female")->required(required)->check(CLI::IsMember({"male", "female"}));
    app.add_option("--name", args.name, "the person's name (at most 19 bytes of GBK)");
    auto* place = app.add_option("--place", args.place, "birth place as province/city of the built-in table");
    auto* coords = app.add_option("--coords", args.coords, "a place outside the table: LON,LAT in degrees east and north");
    auto* zone = app.add_option("--tz", args.zone, "the time zone of that place, e.g. America/New_York");
    coords->excludes(place);
    zone->excludes(place);
    app.add_option("--options", args.options, "four switches 0/1: midnight day boundary, late Zi next stem, "
                                              "true solar time, save history (default: option.dat)");
    auto* yes = app.add_flag("--yes", args.yes, "answer yes to the program's question");
    auto* no = app.add_flag("--no", args.no, "answer no to the program's question (default)");
    yes->excludes(no);
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
