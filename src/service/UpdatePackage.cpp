// SPDX-License-Identifier: MIT
#include "service/UpdatePackage.h"

#include <openssl/evp.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace quorvane::service {

namespace {

constexpr std::size_t kSignatureSize = 64;

}  // namespace

std::string sha256Hex(const std::string& bytes) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_sha256(), nullptr) != 1) {
        return {};
    }
    constexpr const char* kHexDigits = "0123456789abcdef";
    std::string hex;
    for (unsigned int i = 0; i < length; ++i) {
        hex += kHexDigits[digest[i] >> 4];
        hex += kHexDigits[digest[i] & 0x0F];
    }
    return hex;
}

std::optional<UpdatePackage> UpdatePackage::load(const std::string& path, std::string& reason) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    if (!file || !(contents << file.rdbuf()) || contents.str().empty()) {
        reason = "cannot read the package " + path;
        return std::nullopt;
    }
    UpdatePackage package;
    package.bytes = std::make_shared<const std::string>(contents.str());
    package.fileName = std::filesystem::path(path).filename().string();
    package.sha256 = sha256Hex(*package.bytes);
    if (package.sha256.empty()) {
        reason = "cannot compute the SHA-256 of " + path;
        return std::nullopt;
    }
    return package;
}

bool UpdatePackage::announceChecksum(const std::string& sha256Text, std::string& reason) {
    if (sha256Text.empty()) {
        return true;
    }
    std::string lower;
    for (const char c : sha256Text) {
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (lower.size() != 64 || lower.find_first_not_of("0123456789abcdef") != std::string::npos) {
        reason = "--package-sha256 wants 64 hexadecimal digits";
        return false;
    }
    sha256 = lower;
    return true;
}

bool UpdatePackage::loadSignature(const std::string& path, std::string& reason) {
    if (path.empty()) {
        return true;
    }
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    if (!file || !(contents << file.rdbuf())) {
        reason = "cannot read the package signature " + path;
        return false;
    }
    if (contents.str().size() != kSignatureSize) {
        reason = "the package signature " + path +
                 " is not an Ed25519 signature of 64 bytes, as scripts/sign-package.sh writes";
        return false;
    }
    signature = std::make_shared<const std::string>(contents.str());
    return true;
}

std::string UpdatePackage::offerText(const std::string& version) const {
    return "version=" + version + "\r\nfile=" + fileName +
           "\r\nsize=" + std::to_string(bytes->size()) + "\r\nsha256=" + sha256 + "\r\n";
}

}  // namespace quorvane::service
