// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace quorvane {

// The publisher's Ed25519 public key (PEM) built into the updater from the file the CMake
// option QUORVANE_UPDATE_PUBLIC_KEY names; empty in a build made without one.
std::string_view publisherKey();

}  // namespace quorvane
