// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/NightRows.h"

namespace quorvane {

// A fresh join code: ten letters and digits drawn from the system's cryptographic generator,
// 50 bits, with no pair a person could mix up when reading it off a screen (l and 1, o and 0).
// nullopt when the generator fails.
std::optional<std::string> newJoinCode();

// A code for the commissioner (team 0) and one for every team in `teamids`, each new.
std::optional<std::vector<NightCodeRow>> newJoinCodes(const std::vector<int>& teamids);

// Who the code is, compared in time that does not depend on how much of it was right; nullopt
// for a code nobody holds.
std::optional<int> holderOf(const std::vector<NightCodeRow>& codes, std::string_view code);

}  // namespace quorvane
