// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvane {

// The folder of the running executable; the updater and the local help pages are looked for
// there. Empty when the system does not say.
std::string programFolder();

}  // namespace quorvane
