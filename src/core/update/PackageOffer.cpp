// SPDX-License-Identifier: MIT
#include "update/PackageOffer.h"

#include <openssl/evp.h>

#include <algorithm>
#include <cctype>
#include <map>

#include "text/NumberText.h"

namespace quorvane {

namespace {

bool isPackageFileName(std::string_view name) {
    const bool plainCharacters = std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.' || c == '_' ||
               c == '-' || c == '+' || c == '~';
    });
    return plainCharacters && name.size() > 4 && name.size() <= 255 && name.front() != '.' &&
           name.ends_with(".deb");
}

bool isSha256Hex(std::string_view text) {
    return text.size() == 64 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

}  // namespace

std::optional<PackageOffer> parsePackageOffer(std::string_view text) {
    std::map<std::string, std::string, std::less<>> values;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        const auto equals = line.find('=');
        if (equals != std::string_view::npos) {
            values[std::string(line.substr(0, equals))] = std::string(line.substr(equals + 1));
        }
    }
    for (const char* key : {"version", "file", "size", "sha256"}) {
        if (!values.contains(key)) {
            return std::nullopt;
        }
    }
    PackageOffer offer;
    offer.version = values["version"];
    offer.fileName = values["file"];
    offer.sha256 = lowerCase(values["sha256"]);
    const auto version = parseWholeNumber(offer.version, 0, 2147483647LL);
    const auto size = parseWholeNumber(values["size"], 1, 2147483647LL);
    if (!version || !size || !isPackageFileName(offer.fileName) || !isSha256Hex(offer.sha256)) {
        return std::nullopt;
    }
    offer.size = *size;
    return offer;
}

std::string sha256Hex(std::string_view bytes) {
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

}  // namespace quorvane
