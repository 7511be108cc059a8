// SPDX-License-Identifier: MIT
#include "platform/Sha256.h"

#include <openssl/evp.h>

#include <algorithm>
#include <span>

#include "text/HexText.h"

namespace quorvane {

std::string sha256Hex(std::string_view bytes) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_sha256(), nullptr) != 1) {
        return {};
    }
    return hexText(std::span<const unsigned char>(digest, length));
}

bool isSha256Hex(std::string_view text) {
    return text.size() == 64 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

}  // namespace quorvane
