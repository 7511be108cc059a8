// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace quorvane::service {

// The program package offered to the draft program's updater, held in memory with its SHA-256.
struct UpdatePackage {
    std::shared_ptr<const std::string> bytes;
    std::string fileName;                          // the file's own name, without folders
    std::string sha256;                            // lower-case hexadecimal
    std::shared_ptr<const std::string> signature;  // the publisher's, when one is offered
    // The publisher's signed manifest of the package and its signature, when offered.
    std::shared_ptr<const std::string> manifest;
    std::shared_ptr<const std::string> manifestSignature;

    // Reads the file; nullopt with a reason when it cannot be read or is empty.
    static std::optional<UpdatePackage> load(const std::string& path, std::string& reason);

    // Announces the publisher's checksum instead of the file's own (none given: keeps the
    // file's). False with a reason when it is not 64 hexadecimal digits.
    bool announceChecksum(const std::string& sha256Text, std::string& reason);

    // Reads the publisher's signature of the package (none given: none offered). False with a
    // reason when it cannot be read or is not an Ed25519 signature's 64 bytes.
    bool loadSignature(const std::string& path, std::string& reason);

    // Reads the publisher's manifest of the package (scripts/sign-package.sh) and its signature
    // from FILE.sig beside it (none given: none offered). False with a reason when either cannot
    // be read, the manifest is larger than a manifest is, or the signature is not 64 bytes.
    bool loadManifest(const std::string& path, std::string& reason);

    // What in the manifest does not fit this package and the announced version ("size,
    // SHA-256", "version"), for the operator's warning; empty when it fits. The updater refuses a
    // package whose manifest does not fit.
    std::string manifestMismatch(const std::string& version) const;

    // The offer's answer, one key=value line each: version, file, size and sha256.
    std::string offerText(const std::string& version) const;
};

// SHA-256 of the bytes in lower-case hexadecimal.
std::string sha256Hex(const std::string& bytes);

}  // namespace quorvane::service
