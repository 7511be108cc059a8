// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// The package every update of the draft software comes in.
inline constexpr std::string_view kProgramPackageName = "quorvane-basketball-draft";
// The first line of every manifest: a signature over a manifest can never pass for one over
// a package or another signed text.
inline constexpr std::string_view kManifestFirstLine = "quorvane-update-manifest 1";
// A manifest is five short lines; anything longer is not one.
inline constexpr std::size_t kLargestManifest = 1024;

// What the publisher signs for one package (scripts/sign-package.sh writes it): which program,
// which version, and the exact bytes, so that a signature cannot be moved to another version or
// another program's package.
struct UpdateManifest {
    std::string package;  // the Debian package name
    std::string version;  // its Debian version, "13.0.3"
    long long size = 0;
    std::string sha256;  // 64 lower-case hexadecimal digits
};

// Reads a manifest strictly: the first line, then package=, version=, size= and sha256= in this
// order, each line ending in LF alone, nothing else, no blanks, no repeated or unknown key, a
// size without leading zeros. nullopt with the reason (which line, what is wrong) for the log.
std::optional<UpdateManifest> parseUpdateManifest(std::string_view text, std::string& reason);

// The number a version is announced by: its upstream part with the dots removed ("13.0.3-2"
// is 1303); nullopt when that is not a whole number.
std::optional<int> announcedNumberOf(std::string_view debianVersion);

}  // namespace quorvane
