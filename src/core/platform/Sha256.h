// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// SHA-256 of the bytes in lower-case hexadecimal; empty when the digest could not be made. The
// updater checks a package with it and the projection service announces one, so both write it
// the same way.
std::string sha256Hex(std::string_view bytes);

// Whether the text is a SHA-256 as sha256Hex writes it: 64 lower-case hexadecimal digits.
bool isSha256Hex(std::string_view text);

}  // namespace quorvane
