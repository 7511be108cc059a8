// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

inline constexpr std::string_view kUpdateOfferPath = "/draft/nba/update.asp";
inline constexpr std::string_view kUpdatePackagePath = "/draft/nba/update.deb";
// The publisher's signed manifest of the package (name, version, size, SHA-256) and its
// signature, beside the package.
inline constexpr std::string_view kUpdateManifestPath = "/draft/nba/update.manifest";
inline constexpr std::string_view kUpdateManifestSignaturePath = "/draft/nba/update.manifest.sig";

// What the projection service says of the package it offers.
struct PackageOffer {
    std::string version;   // the announced number, dots removed ("1303")
    std::string fileName;  // a plain file name ending in .deb, no folders
    long long size = 0;
    std::string sha256;  // 64 lower-case hexadecimal digits
};

// Reads the offer's "key=value" lines (version, file, size, sha256; CR LF or LF). nullopt when
// a key is missing or a value is malformed: a file name with a folder or an unusual character,
// a checksum that is not 64 hexadecimal digits.
std::optional<PackageOffer> parsePackageOffer(std::string_view text);

// SHA-256 of the bytes in lower-case hexadecimal.
std::string sha256Hex(std::string_view bytes);

}  // namespace quorvane
