// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

namespace quorvane {

// The project's one version number, set by the build ("13.0.2").
extern const std::string_view kAppVersion;
inline constexpr std::string_view kProductName = "Quorvane Basketball Draft";
inline constexpr int kProjectionYear = 2019;
// The seasons a projection may be stored for: earlier ones no site publishes, later ones are a
// typing error.
inline constexpr int kFirstSeason = 1990;
inline constexpr int kLastSeason = 2100;

// The version text with its dots removed, read as a whole number ("13.0.2" is 1302); nullopt
// when what is left is not a whole number.
std::optional<int> versionNumber(std::string_view version);

}  // namespace quorvane
