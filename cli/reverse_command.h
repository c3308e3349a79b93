// reverse --pillars 年,月,日,时 --year YYYY [--sex male|female]: the reverse lookup.
#pragma once

#include "cli/command.h"

namespace cli {

std::unique_ptr<Command> make_reverse_command();

}  // namespace cli
