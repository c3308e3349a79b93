// history list | history delete N: the chart history without its dialog.
#pragma once

#include "cli/command.h"

namespace cli {

std::unique_ptr<Command> make_history_command();

}  // namespace cli
