// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvane {

// The first `count` characters (code points) of UTF-8 text. The cut never falls inside a
// character's byte sequence, so "José Calderón" cut to 12 keeps the "ó" whole or not at all.
std::string leadingCharacters(std::string_view text, std::size_t count);

}  // namespace quorvane
