// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// An Ed25519 signature is 64 bytes, made over the whole of a signed file, a package or its
// manifest (scripts/sign-package.sh).
inline constexpr std::size_t kPackageSignatureSize = 64;

// Whether `signature` is the publisher's Ed25519 signature of the bytes, checked with the
// publisher's public key (PEM). False with the reason for the log: a malformed signature, a key
// that is not an Ed25519 public key, or a signature made over other bytes or with another key.
bool isSignedByPublisher(std::string_view bytes, std::string_view signature,
                         std::string_view publicKeyPem, std::string& reason);

}  // namespace quorvane
