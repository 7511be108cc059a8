// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// The value of a hexadecimal digit of either case; -1 for any other character.
int hexDigitValue(char c);

// The bytes as lower-case hexadecimal, two digits each.
std::string hexText(std::span<const unsigned char> bytes);

// The bytes that hexadecimal text stands for (either case); none for an odd length or a
// character that is no hexadecimal digit.
std::optional<std::vector<unsigned char>> bytesOfHex(std::string_view hex);

}  // namespace quorvane
