// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

namespace quorvane {

// Whether the text is a version the package tool accepts: [epoch:]upstream[-revision], the
// upstream part starting with a digit, letters, digits and . + ~ only (a hyphen only when a
// revision follows), no colon beyond the epoch's.
bool isDebianVersion(std::string_view version);

// Orders two Debian versions as the package tool does: negative when `a` is older, 0 when the
// same, positive when newer. nullopt when either is not a Debian version.
std::optional<int> compareDebianVersions(std::string_view a, std::string_view b);

}  // namespace quorvane
