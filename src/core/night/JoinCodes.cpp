// SPDX-License-Identifier: MIT
#include "night/JoinCodes.h"

#include <array>

#include <openssl/crypto.h>
#include <openssl/rand.h>

namespace quorvane {

namespace {

constexpr std::string_view kAlphabet = "abcdefghijkmnpqrstuvwxyz23456789";
static_assert(kAlphabet.size() == 32);
constexpr std::size_t kCodeLength = 10;

}  // namespace

std::optional<std::string> newJoinCode() {
    std::array<unsigned char, kCodeLength> bytes{};
    if (RAND_bytes(bytes.data(), static_cast<int>(bytes.size())) != 1) {
        return std::nullopt;
    }
    std::string code;
    for (unsigned char byte : bytes) {
        code += kAlphabet[byte % kAlphabet.size()];
    }
    return code;
}

std::optional<std::vector<NightCodeRow>> newJoinCodes(const std::vector<int>& teamids) {
    std::vector<NightCodeRow> codes;
    std::vector<int> holders{0};
    holders.insert(holders.end(), teamids.begin(), teamids.end());
    for (int holder : holders) {
        auto code = newJoinCode();
        if (!code) {
            return std::nullopt;
        }
        codes.push_back({holder, std::move(*code)});
    }
    return codes;
}

std::optional<int> holderOf(const std::vector<NightCodeRow>& codes, std::string_view code) {
    std::optional<int> holder;
    for (const NightCodeRow& row : codes) {
        if (row.code.size() == code.size() &&
            CRYPTO_memcmp(row.code.data(), code.data(), code.size()) == 0) {
            holder = row.teamid;
        }
    }
    return holder;
}

}  // namespace quorvane
