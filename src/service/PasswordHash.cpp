// SPDX-License-Identifier: MIT
#include "service/PasswordHash.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <charconv>
#include <vector>

namespace quorvane::service {

namespace {

constexpr std::string_view kScheme = "pbkdf2-sha256";
constexpr int kSaltBytes = 16;
constexpr int kHashBytes = 32;
constexpr int kMaxIterations = 10000000;

std::string toHex(const std::vector<unsigned char>& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char byte : bytes) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}

bool fromHex(std::string_view hex, std::vector<unsigned char>& bytes) {
    if (hex.size() % 2 != 0) {
        return false;
    }
    bytes.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        unsigned value = 0;
        const auto [end, error] = std::from_chars(hex.data() + i, hex.data() + i + 2, value, 16);
        if (error != std::errc() || end != hex.data() + i + 2) {
            return false;
        }
        bytes.push_back(static_cast<unsigned char>(value));
    }
    return true;
}

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
    return std::string(kScheme) + "$" + std::to_string(iterations) + "$" + toHex(salt) + "$" +
           toHex(hash);
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
    std::vector<unsigned char> salt;
    std::vector<unsigned char> expected;
    std::vector<unsigned char> actual;
    if (!fromHex(parts[2], salt) || !fromHex(parts[3], expected) || expected.size() != kHashBytes ||
        !derive(password, salt, iterations, actual)) {
        return false;
    }
    return CRYPTO_memcmp(expected.data(), actual.data(), kHashBytes) == 0;
}

}  // namespace quorvane::service
