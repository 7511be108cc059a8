// SPDX-License-Identifier: MIT
#pragma once

#include <CLI/CLI.hpp>

namespace quorvane::cli {

// Gives every option of the program and its commands the checks every value must pass: not
// empty, not an option itself ("--source --dry-run"), and for whole numbers digits alone.
void checkOptionValues(CLI::App& app);

// A whole number from 1 up ("POSITIVE" in the help), for counts and ids.
CLI::Validator positiveWholeNumber();

}  // namespace quorvane::cli
