// SPDX-License-Identifier: MIT
#pragma once

#include "cli/CliContext.h"

namespace quorvane::cli {

// Runs one command line: `[--data-dir DIR] [--yes] COMMAND ...`. Returns the exit status:
// 0 done, 1 refused or failed, 2 wrong usage.
int runCli(int argc, const char* const* argv, const CliIo& io);

}  // namespace quorvane::cli
