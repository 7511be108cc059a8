// SPDX-License-Identifier: MIT
#include "store/Utf8Text.h"

namespace quorvane {

namespace {

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U;
}

}  // namespace

std::string leadingCharacters(std::string_view text, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (!isContinuationByte(text[at]) && characters++ == count) {
            return std::string(text.substr(0, at));
        }
    }
    return std::string(text);
}

}  // namespace quorvane
