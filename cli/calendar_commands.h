#pragma once

#include "cli/command.h"

namespace cli {

std::unique_ptr<Command> make_lunar_command();
std::unique_ptr<Command> make_solar_command();
std::unique_ptr<Command> make_terms_command();

}  // namespace cli
