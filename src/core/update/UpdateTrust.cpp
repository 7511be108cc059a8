// SPDX-License-Identifier: MIT
#include "update/UpdateTrust.h"

#include "store/NumberText.h"
#include "update/DebianVersion.h"
#include "update/PackageOffer.h"
#include "update/PackageSignature.h"

namespace quorvane {

std::variant<UpdateManifest, UpdateRefusal> trustedManifest(std::string_view manifestText,
                                                            std::string_view signature,
                                                            std::string_view publisherKeyPem,
                                                            std::string_view announcedVersion,
                                                            std::string_view installedVersion) {
    std::string reason;
    if (!isSignedByPublisher(manifestText, signature, publisherKeyPem, reason)) {
        return UpdateRefusal{std::string(kNotSignedMessage), "manifest: " + reason};
    }
    const auto manifest = parseUpdateManifest(manifestText, reason);
    if (!manifest) {
        return UpdateRefusal{
            "The publisher's signed description of the update could not be read, so nothing "
            "was installed.",
            reason};
    }
    if (manifest->package != kProgramPackageName) {
        return UpdateRefusal{"The offered update is a package of " + manifest->package +
                                 ", not of the draft software (" +
                                 std::string(kProgramPackageName) + "), so nothing was installed.",
                             {}};
    }
    const auto announced = parseWholeNumber(announcedVersion, 0, 2147483647LL);
    if (!announced || announcedNumberOf(manifest->version) != announced) {
        return UpdateRefusal{"The offered update is version " + manifest->version +
                                 " of the draft software, not the announced version " +
                                 std::string(announcedVersion) + ", so nothing was installed.",
                             {}};
    }
    const auto order = compareDebianVersions(manifest->version, installedVersion);
    if (!order || *order <= 0) {
        return UpdateRefusal{"The offered update is version " + manifest->version +
                                 ", which is not newer than the installed version " +
                                 std::string(installedVersion) +
                                 ", so nothing was installed. An update never takes the draft "
                                 "software back to an earlier version.",
                             {}};
    }
    return *manifest;
}

std::optional<UpdateRefusal> refuseUnlistedBytes(const UpdateManifest& manifest,
                                                 std::string_view bytes,
                                                 std::string_view fileName) {
    const std::string received = sha256Hex(bytes);
    if (static_cast<long long>(bytes.size()) == manifest.size && received == manifest.sha256) {
        return std::nullopt;
    }
    return UpdateRefusal{"The downloaded package " + std::string(fileName) +
                             " is not the package the publisher signed for version " +
                             manifest.version + ", so it was not installed.",
                         "signed: " + std::to_string(manifest.size) + " bytes, SHA-256 " +
                             manifest.sha256 + "; received: " + std::to_string(bytes.size()) +
                             " bytes, SHA-256 " + received};
}

}  // namespace quorvane
