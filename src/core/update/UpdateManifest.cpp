// SPDX-License-Identifier: MIT
#include "update/UpdateManifest.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "app/Version.h"
#include "update/DebianVersion.h"

namespace quorvane {

namespace {

// A package tool's limit on a package the size of this program's is far above any update.
constexpr long long kLargestSize = 2147483647LL;

bool isPackageName(std::string_view name) {
    const auto plain = [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); };
    return name.size() >= 2 && name.size() <= 100 && plain(name.front()) &&
           std::all_of(name.begin(), name.end(),
                       [&plain](char c) { return plain(c) || c == '+' || c == '-' || c == '.'; });
}

std::optional<long long> sizeOf(std::string_view text) {
    long long size = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    if (text.empty() || text.front() < '1' || text.front() > '9' || error != std::errc() ||
        end != text.data() + text.size() || size > kLargestSize) {
        return std::nullopt;
    }
    return size;
}

bool isLowerHexSha256(std::string_view text) {
    return text.size() == 64 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

}  // namespace

std::optional<UpdateManifest> parseUpdateManifest(std::string_view text, std::string& reason) {
    if (text.size() > kLargestManifest) {
        reason = "the manifest is " + std::to_string(text.size()) + " bytes, more than " +
                 std::to_string(kLargestManifest);
        return std::nullopt;
    }
    if (!text.ends_with('\n')) {
        reason = "the manifest's last line has no line end";
        return std::nullopt;
    }
    constexpr std::array<std::string_view, 4> kKeys = {"package", "version", "size", "sha256"};
    std::array<std::string_view, 4> values;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        ++lineNumber;
        const std::string where = "line " + std::to_string(lineNumber);
        if (lineNumber == 1) {
            if (line != kManifestFirstLine) {
                reason = where + " is not \"" + std::string(kManifestFirstLine) + "\"";
                return std::nullopt;
            }
            continue;
        }
        if (lineNumber > kKeys.size() + 1) {
            reason = where + " is one too many";
            return std::nullopt;
        }
        const std::string_view key = kKeys[lineNumber - 2];
        if (!line.starts_with(key) || line.substr(key.size(), 1) != "=") {
            reason = where + " is not the " + std::string(key) + "= line";
            return std::nullopt;
        }
        values[lineNumber - 2] = line.substr(key.size() + 1);
    }
    if (lineNumber != kKeys.size() + 1) {
        reason = "the manifest ends after line " + std::to_string(lineNumber);
        return std::nullopt;
    }
    UpdateManifest manifest;
    manifest.package = std::string(values[0]);
    manifest.version = std::string(values[1]);
    manifest.sha256 = std::string(values[3]);
    const auto size = sizeOf(values[2]);
    if (!isPackageName(manifest.package)) {
        reason = "line 2 holds no Debian package name";
    } else if (manifest.version.size() > 64 || !isDebianVersion(manifest.version)) {
        reason = "line 3 holds no Debian version";
    } else if (!size) {
        reason = "line 4 holds no size from 1 to " + std::to_string(kLargestSize);
    } else if (!isLowerHexSha256(manifest.sha256)) {
        reason = "line 5 holds no SHA-256 of 64 lower-case hexadecimal digits";
    } else {
        manifest.size = *size;
        return manifest;
    }
    return std::nullopt;
}

std::optional<int> announcedNumberOf(std::string_view debianVersion) {
    if (const auto colon = debianVersion.find(':'); colon != std::string_view::npos) {
        debianVersion.remove_prefix(colon + 1);
    }
    return versionNumber(debianVersion.substr(0, debianVersion.rfind('-')));
}

}  // namespace quorvane
