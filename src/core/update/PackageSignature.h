// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// An Ed25519 signature is 64 bytes, made over the whole package (scripts/sign-package.sh).
inline constexpr std::size_t kPackageSignatureSize = 64;

// Whether `signature` is the publisher's Ed25519 signature of `package`, checked with the
// publisher's public key (PEM). False with the reason for the log: a malformed signature, a key
// that is not an Ed25519 public key, or a signature made over other bytes or with another key.
bool isSignedByPublisher(std::string_view package, std::string_view signature,
                         std::string_view publicKeyPem, std::string& reason);

}  // namespace quorvane
