// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

inline constexpr const char* kSampleProjectionsFileName = "sample_projections.csv";

// The sample projections a new database is filled with. Looked for, first found wins:
//   1. data/ beside the running executable (a copied or unpacked program),
//   2. share/quorvane/data/ above the executable's folder (an installed program),
//   3. data/ of the build folder (CMake copies it there) and
//   4. data/ of the source tree the program was built from, both only for a program that runs
//      from its build folder.
std::optional<std::string> findSampleProjections();

// Any data file the program ships beside the sample projections (the nickname table ...), looked
// for in the same folders.
std::optional<std::string> findDataFile(std::string_view fileName);

}  // namespace quorvane
