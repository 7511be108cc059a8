// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvane::service {

inline constexpr int kPasswordIterations = 120000;

// "pbkdf2-sha256$ITERATIONS$SALT$HASH" with a fresh random 16-byte salt, hex encoded. Empty when
// the system's random source fails.
std::string hashPassword(std::string_view password, int iterations = kPasswordIterations);

// Compares in constant time; false for a stored text that is not of the form above.
bool verifyPassword(std::string_view password, std::string_view stored);

}  // namespace quorvane::service
