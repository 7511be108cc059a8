// SPDX-License-Identifier: MIT
#include "update/DebianVersion.h"

#include <algorithm>
#include <charconv>

namespace quorvane {

namespace {

struct VersionParts {
    long long epoch = 0;
    std::string_view upstream;
    std::string_view revision;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool allOf(std::string_view text, std::string_view punctuation) {
    return std::all_of(text.begin(), text.end(), [punctuation](char c) {
        return isDigit(c) || isLetter(c) || punctuation.find(c) != std::string_view::npos;
    });
}

std::optional<VersionParts> partsOf(std::string_view version) {
    VersionParts parts;
    const auto colon = version.find(':');
    if (colon != std::string_view::npos) {
        const std::string_view epoch = version.substr(0, colon);
        if (epoch.empty() || epoch.size() > 9 ||
            !std::all_of(epoch.begin(), epoch.end(), isDigit)) {
            return std::nullopt;
        }
        std::from_chars(epoch.data(), epoch.data() + epoch.size(), parts.epoch);
        version.remove_prefix(colon + 1);
    }
    const auto hyphen = version.rfind('-');
    parts.upstream = version.substr(0, hyphen);
    if (hyphen != std::string_view::npos) {
        parts.revision = version.substr(hyphen + 1);
        if (parts.revision.empty() || !allOf(parts.revision, ".+~")) {
            return std::nullopt;
        }
    }
    if (parts.upstream.empty() || !isDigit(parts.upstream.front()) ||
        !allOf(parts.upstream, hyphen == std::string_view::npos ? ".+~" : ".+~-")) {
        return std::nullopt;
    }
    return parts;
}

// Where a character of a non-digit run sorts: a tilde before everything, even the run's end;
// letters before every other sign.
int rank(std::string_view text, std::size_t at) {
    if (at >= text.size() || isDigit(text[at])) {
        return 0;
    }
    const char c = text[at];
    if (c == '~') {
        return -1;
    }
    return isLetter(c) ? c : c + 256;
}

// Compares runs of non-digits by rank and runs of digits by their value, in turn.
int comparePart(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() || j < b.size()) {
        while ((i < a.size() && !isDigit(a[i])) || (j < b.size() && !isDigit(b[j]))) {
            const int difference = rank(a, i) - rank(b, j);
            if (difference != 0) {
                return difference;
            }
            ++i;
            ++j;
        }
        while (i < a.size() && a[i] == '0') {
            ++i;
        }
        while (j < b.size() && b[j] == '0') {
            ++j;
        }
        const std::size_t aDigits = std::find_if_not(a.begin() + i, a.end(), isDigit) - a.begin();
        const std::size_t bDigits = std::find_if_not(b.begin() + j, b.end(), isDigit) - b.begin();
        // Without leading zeros the longer number is the larger one, however long both are.
        if (aDigits - i != bDigits - j) {
            return aDigits - i < bDigits - j ? -1 : 1;
        }
        if (const int order = a.substr(i, aDigits - i).compare(b.substr(j, bDigits - j))) {
            return order;
        }
        i = aDigits;
        j = bDigits;
    }
    return 0;
}

}  // namespace

bool isDebianVersion(std::string_view version) {
    return partsOf(version).has_value();
}

std::optional<int> compareDebianVersions(std::string_view a, std::string_view b) {
    const auto first = partsOf(a);
    const auto second = partsOf(b);
    if (!first || !second) {
        return std::nullopt;
    }
    if (first->epoch != second->epoch) {
        return first->epoch < second->epoch ? -1 : 1;
    }
    if (const int upstream = comparePart(first->upstream, second->upstream)) {
        return upstream < 0 ? -1 : 1;
    }
    const int revision = comparePart(first->revision, second->revision);
    return revision < 0 ? -1 : revision > 0 ? 1 : 0;
}

}  // namespace quorvane
