// SPDX-License-Identifier: MIT
#include "text/NameFolding.h"

#include <algorithm>

namespace quorvane {

namespace {

// Base letters of U+00C0..U+00FF and U+0100..U+017F; '-' marks signs that are no letter.
constexpr std::string_view kLatin1 =
    "aaaaaaaceeeeiiiidnooooo-ouuuuytsaaaaaaaceeeeiiiidnooooo-ouuuuyty";
constexpr std::string_view kLatinExtendedA =
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiiijjjjkkkllllllllllnnnnnnnnnoooooooorrrrrrss"
    "ssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";
static_assert(kLatin1.size() == 0x40 && kLatinExtendedA.size() == 0x80);

char baseLetter(unsigned codePoint) {
    char base = 0;
    if (codePoint >= 0xC0 && codePoint < 0x100) {
        base = kLatin1[codePoint - 0xC0];
    } else if (codePoint >= 0x100 && codePoint < 0x180) {
        base = kLatinExtendedA[codePoint - 0x100];
    }
    return base == '-' ? 0 : base;
}

// The character at `at` as it folds, and `at` moved past it: an ASCII letter in lower case, a
// two-byte Latin letter as its base letter, any other byte as it stands.
unsigned char nextFolded(std::string_view text, std::size_t& at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte >= 'A' && byte <= 'Z') {
        ++at;
        return static_cast<unsigned char>(byte + ('a' - 'A'));
    }
    if ((byte & 0xE0) == 0xC0 && at + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[at + 1]);
        if (const char base = baseLetter(((byte & 0x1Fu) << 6) | (next & 0x3Fu)); base != 0) {
            at += 2;
            return static_cast<unsigned char>(base);
        }
    }
    ++at;
    return byte;
}

unsigned char lowerAscii(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

}  // namespace

std::string foldName(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        folded.push_back(static_cast<char>(nextFolded(text, at)));
    }
    return folded;
}

int compareFolded(std::string_view a, std::string_view b) {
    std::size_t left = 0;
    std::size_t right = 0;
    while (left < a.size() && right < b.size()) {
        const unsigned char x = nextFolded(a, left);
        const unsigned char y = nextFolded(b, right);
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    if (left < a.size()) {
        return 1;
    }
    return right < b.size() ? -1 : 0;
}

int compareNames(std::string_view a, std::string_view b) {
    if (const int folded = compareFolded(a, b); folded != 0) {
        return folded;
    }
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char left = lowerAscii(a[i]);
        const unsigned char right = lowerAscii(b[i]);
        if (left != right) {
            return left < right ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace quorvane
