// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// The words a player's page shows for a key of the math of his value: "dollars_per_sgp" is
// "Dollars per SGP", "PTS.denominator" is "PTS: SGP denominator". Scripts keep reading the keys
// themselves; a key without words is shown as it stands.
std::string explainLabel(std::string_view key);

}  // namespace quorvane
