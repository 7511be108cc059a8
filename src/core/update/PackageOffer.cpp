// SPDX-License-Identifier: MIT
#include "update/PackageOffer.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/Sha256.h"
#include "text/KeyValueLines.h"
#include "text/LetterCase.h"
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

}  // namespace

std::optional<PackageOffer> parsePackageOffer(std::string_view text) {
    const std::vector<KeyValueLine> lines = readKeyValueLines(text);
    const auto version = lastValueOf(lines, "version");
    const auto file = lastValueOf(lines, "file");
    const auto size = lastValueOf(lines, "size");
    const auto sha256 = lastValueOf(lines, "sha256");
    if (!version || !file || !size || !sha256) {
        return std::nullopt;
    }
    PackageOffer offer;
    offer.version = std::string(*version);
    offer.fileName = std::string(*file);
    offer.sha256 = lowerText(*sha256);
    const auto number = parseWholeNumber(offer.version, 0, 2147483647LL);
    const auto bytes = parseWholeNumber(*size, 1, 2147483647LL);
    if (!number || !bytes || !isPackageFileName(offer.fileName) || !isSha256Hex(offer.sha256)) {
        return std::nullopt;
    }
    offer.size = *bytes;
    return offer;
}

}  // namespace quorvane
