// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvane {

// The folder of the draft night's pages: $QUORVANE_NIGHT_DIR when set, else the one installed
// beside the program, else (a program run from its build tree) the source tree's.
std::string nightPagesFolder();

}  // namespace quorvane
