// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvane::cli {

// quorvane-draft beside this program; in the build folder, the one built beside it. Empty when
// there is none.
std::string desktopProgramPath();

}  // namespace quorvane::cli
