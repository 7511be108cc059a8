// SPDX-License-Identifier: MIT
#include "service/PasswordHash.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <charconv>
#include <vector>

#include "text/HexText.h"

namespace quorvane::service {

namespace {

constexpr std::string_view kScheme = "pbkdf2-sha256";
constexpr int kSaltBytes = 16;
constexpr int kHashBytes = 32;
constexpr int kMaxIterations = 10000000;

bool derive(std::string_view password, const std::vector<unsigned char>& salt, int iterations,
            std::vector<unsigned char>& hash) {
    hash.assign(kHashBytes, 0);
    return PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()), salt.data(),
                             static_cast<int>(salt.size()), iterations, EVP_sha256(), kHashBytes,
                             hash.data()) == 1;
}

}  // namespace

std::string hashPassword(std::string_view password, int iterations) {
    std::vector<unsigned char> salt(kSaltBytes);
    if (RAND_bytes(salt.data(), kSaltBytes) != 1) {
        return {};
    }
    std::vector<unsigned char> hash;
    if (!derive(password, salt, iterations, hash)) {
        return {};
    }
    return std::string(kScheme) + "$" + std::to_string(iterations) + "$" + hexText(salt) + "$" +
           hexText(hash);
}

bool verifyPassword(std::string_view password, std::string_view stored) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (parts.size() < 4) {
        const auto dollar = stored.find('$', start);
        parts.push_back(stored.substr(start, dollar - start));
        if (dollar == std::string_view::npos) {
            break;
        }
        start = dollar + 1;
    }
    if (parts.size() != 4 || parts[0] != kScheme) {
        return false;
    }
    int iterations = 0;
    const auto [end, error] =
        std::from_chars(parts[1].data(), parts[1].data() + parts[1].size(), iterations);
    if (error != std::errc() || end != parts[1].data() + parts[1].size() || iterations < 1 ||
        iterations > kMaxIterations) {
        return false;
    }
    const auto salt = bytesOfHex(parts[2]);
    const auto expected = bytesOfHex(parts[3]);
    std::vector<unsigned char> actual;
    if (!salt || !expected || expected->size() != kHashBytes ||
        !derive(password, *salt, iterations, actual)) {
        return false;
    }
    return CRYPTO_memcmp(expected->data(), actual.data(), kHashBytes) == 0;
}

}  // namespace quorvane::service
