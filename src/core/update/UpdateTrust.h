// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "update/UpdateManifest.h"

namespace quorvane {

inline constexpr std::string_view kNotSignedMessage =
    "The downloaded update is not signed by the publisher. Nothing was installed.";

// Why an update is not installed: the text the user is shown and what the log adds to it.
struct UpdateRefusal {
    std::string text;
    std::string detail;
};

// The checks that need no download: the publisher's Ed25519 signature over the manifest's own
// bytes, its strict form, that it names this program's package, that its version is the one
// the service announced (dots removed, "1303") and that this version is newer than the
// installed one. Anyone who controls the service can offer any signed package under any
// number; only what the publisher signed together binds the package to its version.
std::variant<UpdateManifest, UpdateRefusal> trustedManifest(std::string_view manifestText,
                                                            std::string_view signature,
                                                            std::string_view publisherKeyPem,
                                                            std::string_view announcedVersion,
                                                            std::string_view installedVersion);

// After the download: the bytes are exactly those the manifest describes.
std::optional<UpdateRefusal> refuseUnlistedBytes(const UpdateManifest& manifest,
                                                 std::string_view bytes, std::string_view fileName);

}  // namespace quorvane
