#include "app/build_chart.h"

#include <optional>

#include "app/history.h"
#include "engine/compute_chart.h"
#include "engine/options.h"
#include "platform/files.h"
#include "platform/message.h"
#include "report/annual_monthly_fields.h"
#include "report/annual_table.h"
#include "report/bone_weight_fields.h"
#include "report/chart_page.h"
#include "report/day_hour.h"
#include "report/day_pillar_notes.h"
#include "report/childhood_dangers.h"
#include "report/luck_of_months.h"
#include "report/luck_of_years.h"
#include "report/luck_periods.h"
#include "report/strength_fields.h"
#include "report/temperament.h"
#include "report/ten_god_positions.h"
#include "report/style_folder.h"
#include "report/template_expansion.h"
#include "report/votes.h"
#include "report/special_star_fields.h"
#include "stars/special_stars.h"

namespace orvane {
namespace {

void cast_chart_page() {
    if (options.optSaveHistory) append_history();  // the birth as entered, before anything is derived
    compute_chart();
    write_chart_page_fields();
}

constexpr int kPageStagePosition = 93;

}  // namespace

const std::array<ChartStage, kChartStageCount> ChartStages = {{
    {1, "排八字命盘", 1006, cast_chart_page},
    {10, "大运", 1007, write_luck_period_fields},
    {15, "日主强弱与用神", 1008, write_strength_fields},
    {20, "四柱神煞", 1009, EvaluateSpecialStars},
    {50, "流年属性", 1010, write_annual_table_fields},
    {65, "三命通会日时断", 1011, write_day_hour_fields},
    {70, "性格总论", 1012, write_temperament_fields},
    {75, "近十年运气", 1013, write_luck_of_years_fields},
    {78, "近十二个月运气", 1019, write_luck_of_months_fields},
    {80, "十神定位断诀", 1014, write_ten_god_position_fields},
    {83, "小儿关煞", 1021, write_childhood_danger_fields},
    {86, "六十甲子日柱特例", 1015, write_day_pillar_fields},
    {90, "流年流月干支", 1016, write_annual_monthly_fields},
    {92, "称命", 1017, write_bone_weight_fields},
    {kPageStagePosition, "生成HTML文件", 1018, nullptr},
}};

std::string right_page_path() { return current_style_folder() + "/right.htm"; }

bool write_right_page(const std::string& page) {
    // The page is made again from the chart at will: no fsync, only the atomic rename.
    if (platform::write_file_atomic(right_page_path(), page, platform::Durability::regenerable)) return true;
    platform::show_message("不能写入命状文件：" + right_page_path());
    return false;
}

BuildResult build_chart_page(BuildObserver& observer, std::string& page) {
    if (current_style_folder().empty()) current_style_folder() = style_folder_of("02");
    refresh_votes();  // one look at the vote file per report, not one read per vote
    page.clear();
    bool templateMissing = false;
    for (int position = 0; position <= 100; ++position) {
        observer.set_position(position);
        if (observer.cancelled()) return BuildResult::cancelled;
        for (int i = 0; i < kChartStageCount; ++i) {
            const ChartStage& stage = ChartStages[static_cast<std::size_t>(i)];
            if (stage.position != position) continue;
            if (position == kPageStagePosition) {
                templateMissing = !expand_template_into(page);
            } else if (stage.run) {
                stage.run();
            }
            observer.stage_done(i);
        }
        if (templateMissing) return BuildResult::no_template;
    }
    return BuildResult::written;
}

BuildResult build_chart(BuildObserver& observer) {
    // Kept between charts: a page is some hundred kilobytes, made again for each.
    static std::string page;
    const BuildResult result = build_chart_page(observer, page);
    if (result != BuildResult::written) return result;
    return write_right_page(page) ? BuildResult::written : BuildResult::write_failed;
}

BuildResult build_chart() {
    BuildObserver headless;
    return build_chart(headless);
}

}  // namespace orvane
