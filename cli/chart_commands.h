#pragma once

#include "cli/command.h"

namespace cli {

std::unique_ptr<Command> make_chart_command();
std::unique_ptr<Command> make_report_command();

}  // namespace cli
