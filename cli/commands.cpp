#include "cli/calendar_commands.h"
#include "cli/chart_commands.h"
#include "cli/command.h"
#include "cli/history_command.h"
#include "cli/reverse_command.h"

namespace cli {

const std::vector<CommandInfo>& all_commands() {
    static const std::vector<CommandInfo> commands = {
        {"lunar", "solar date to lunar date", make_lunar_command, true},
        {"solar", "lunar date to solar date", make_solar_command, false},
        {"terms", "the twelve solar-term entries of a solar year", make_terms_command, false},
        {"chart", "cast a chart and print the whole chart record", make_chart_command, true},
        {"report", "cast a chart and write the report page into the style folder", make_report_command, true, true},
        {"reverse", "the birth dates of four given pillars in one solar year", make_reverse_command, false},
        {"history", "list the chart history, or delete record N of the list", make_history_command, false},
    };
    return commands;
}

}  // namespace cli
