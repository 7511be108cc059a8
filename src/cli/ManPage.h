// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace CLI {
class App;
}

namespace quorvane::cli {

// The program's manual page (troff, section 1), written from the command definitions
// themselves: every command with its arguments and options, so the page never drifts.
std::string manPage(const CLI::App& app, const std::string& version);

}  // namespace quorvane::cli
