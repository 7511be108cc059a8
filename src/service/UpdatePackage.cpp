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
// A manifest is five short lines; the updater reads no more than this.
constexpr std::size_t kLargestManifest = 1024;

std::shared_ptr<const std::string> readWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    if (!file || !(contents << file.rdbuf())) {
        return nullptr;
    }
    return std::make_shared<const std::string>(contents.str());
}

// The publisher's signature of a file, made by scripts/sign-package.sh.
std::shared_ptr<const std::string> readSignature(const std::string& path, const std::string& what,
                                                 std::string& reason) {
    auto signature = readWhole(path);
    if (!signature) {
        reason = "cannot read the " + what + " " + path;
    } else if (signature->size() != kSignatureSize) {
        reason = "the " + what + " " + path +
                 " is not an Ed25519 signature of 64 bytes, as scripts/sign-package.sh writes";
        signature.reset();
    }
    return signature;
}

// The value of a "key=" line of the manifest; empty when it has none.
std::string manifestValue(const std::string& manifest, const std::string& key) {
    const std::string start = "\n" + key + "=";
    const auto at = manifest.find(start);
    if (at == std::string::npos) {
        return {};
    }
    const auto begin = at + start.size();
    return manifest.substr(begin, manifest.find('\n', begin) - begin);
}

// "1:13.0.3-2" is announced as 1303: the upstream part without its dots.
std::string announcedFormOf(std::string version) {
    if (const auto colon = version.find(':'); colon != std::string::npos) {
        version.erase(0, colon + 1);
    }
    version = version.substr(0, version.rfind('-'));
    std::erase(version, '.');
    return version;
}

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
    signature = readSignature(path, "package signature", reason);
    return signature != nullptr;
}

bool UpdatePackage::loadManifest(const std::string& path, std::string& reason) {
    if (path.empty()) {
        return true;
    }
    manifest = readWhole(path);
    if (!manifest) {
        reason = "cannot read the package manifest " + path;
        return false;
    }
    if (manifest->size() > kLargestManifest) {
        reason = "the package manifest " + path + " is larger than a manifest (" +
                 std::to_string(kLargestManifest) + " bytes); scripts/sign-package.sh writes one";
        return false;
    }
    manifestSignature = readSignature(path + ".sig", "manifest signature", reason);
    return manifestSignature != nullptr;
}

std::string UpdatePackage::manifestMismatch(const std::string& version) const {
    if (!manifest) {
        return {};
    }
    std::string mismatch;
    const auto add = [&mismatch](const std::string& what) {
        mismatch += (mismatch.empty() ? "" : ", ") + what;
    };
    if (manifestValue(*manifest, "size") != std::to_string(bytes->size())) {
        add("size");
    }
    if (manifestValue(*manifest, "sha256") != sha256) {
        add("SHA-256");
    }
    if (announcedFormOf(manifestValue(*manifest, "version")) != version) {
        add("version");
    }
    return mismatch;
}

std::string UpdatePackage::offerText(const std::string& version) const {
    return "version=" + version + "\r\nfile=" + fileName +
           "\r\nsize=" + std::to_string(bytes->size()) + "\r\nsha256=" + sha256 + "\r\n";
}

}  // namespace quorvane::service
