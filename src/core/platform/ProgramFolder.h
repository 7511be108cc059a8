// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvane {

// The folder of the running executable; the updater and the local help pages are looked for
// there. Empty when the system does not say.
std::string programFolder();

// True when the running executable lies inside the folder it was built in. Only then may it
// fall back on the build and source trees for its data: an installed or unpacked copy reads
// nothing but its own tree.
bool runsFromBuildTree();

// The shared data of an installed program: share/quorvane beside its bin folder.
std::string installedDataFolder();

}  // namespace quorvane
