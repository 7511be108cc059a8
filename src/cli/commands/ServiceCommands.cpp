// SPDX-License-Identifier: MIT
#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "cli/CommandGroups.h"

namespace quorvane::cli {

void addServiceCommands(CLI::App&, CliContext&) {}

}  // namespace quorvane::cli
