// SPDX-License-Identifier: MIT
#include "projections/PlayerNameMatcher.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "text/NumberText.h"

namespace quorvane {

namespace {

// Letters without their accents, one per code point from U+00C0 and from U+0100; '?' marks
// the few that become two letters and '-' a sign that is no letter.
constexpr std::string_view kLatin1Folds =
    "aaaaaa?ceeeeiiiidnooooo-ouuuuy??aaaaaa?ceeeeiiiidnooooo-ouuuuy?y";
constexpr std::string_view kLatinExtendedFolds =
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii??jjkkkllllllllllnnnnnnnnnoooooo??"
    "rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";

std::string foldCodePoint(char32_t code) {
    if (code >= 0xC0 && code < 0x100) {
        const char folded = kLatin1Folds[code - 0xC0];
        if (folded != '?') {
            return folded == '-' ? std::string() : std::string(1, folded);
        }
        switch (code) {
            case 0xC6:
            case 0xE6:
                return "ae";
            case 0xDE:
            case 0xFE:
                return "th";
            default:
                return "ss";
        }
    }
    if (code >= 0x100 && code < 0x180) {
        const char folded = kLatinExtendedFolds[code - 0x100];
        if (folded != '?') {
            return std::string(1, folded);
        }
        return code < 0x150 ? "ij" : "oe";
    }
    if (code == 0x218 || code == 0x219) {
        return "s";
    }
    if (code == 0x21A || code == 0x21B) {
        return "t";
    }
    // Combining accents (a name written decomposed) and punctuation such as curly apostrophes.
    if ((code >= 0x300 && code < 0x370) || (code >= 0x2000 && code < 0x2070)) {
        return {};
    }
    std::string bytes;  // any other letter stays as it is written
    if (code < 0x800) {
        bytes += static_cast<char>(0xC0 | (code >> 6));
    } else if (code < 0x10000) {
        bytes += static_cast<char>(0xE0 | (code >> 12));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (code >> 18));
        bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    }
    bytes += static_cast<char>(0x80 | (code & 0x3F));
    return bytes;
}

// Lower-case ASCII letters and digits, other letters folded; everything else becomes a blank,
// which separates words.
std::string foldText(std::string_view text) {
    std::string folded;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            // A '?' stands for a letter a code page could not hold; it stays as a wildcard.
            folded += std::isalnum(byte) != 0 || byte == '?' ? static_cast<char>(std::tolower(byte))
                      : byte == '\'' || byte == '.'          ? '\0'
                                                             : ' ';
            ++i;
            continue;
        }
        const int length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        char32_t code = length == 1   ? byte
                        : length == 2 ? byte & 0x1F
                        : length == 3 ? byte & 0x0F
                                      : byte & 0x07;
        for (int k = 1; k < length && i + static_cast<std::size_t>(k) < text.size(); ++k) {
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        i += static_cast<std::size_t>(length);
        folded += foldCodePoint(code);
    }
    // Apostrophes and dots join what they stand between ("D'Angelo", "J.J.").
    folded.erase(std::remove(folded.begin(), folded.end(), '\0'), folded.end());
    return folded;
}

bool isSuffix(std::string_view word) {
    return word == "jr" || word == "sr" || word == "ii" || word == "iii" || word == "iv";
}

// A word with a dot between two letters is initials ("J.R.", "C.J."), never the suffix "Jr.".
bool isDottedInitials(std::string_view word) {
    for (std::size_t i = 1; i + 1 < word.size(); ++i) {
        if (word[i] == '.' && std::isalpha(static_cast<unsigned char>(word[i - 1])) != 0 &&
            std::isalpha(static_cast<unsigned char>(word[i + 1])) != 0) {
            return true;
        }
    }
    return false;
}

// The folded words of a name, and whether its last word is a suffix: only a separate last word
// spelled Jr., Sr., II, III or IV is one.
struct NameWords {
    std::vector<std::string> words;
    bool endsInSuffix = false;
};

NameWords words(std::string_view text) {
    NameWords result;
    std::string word;
    for (const char c : foldText(text)) {
        if (c == ' ') {
            if (!word.empty()) {
                result.words.push_back(std::move(word));
                word.clear();
            }
        } else {
            word += c;
        }
    }
    if (!word.empty()) {
        result.words.push_back(std::move(word));
    }
    std::string_view lastWritten = trimmedView(text);
    if (const std::size_t blank = lastWritten.find_last_of(" \t");
        blank != std::string_view::npos) {
        lastWritten.remove_prefix(blank + 1);
    }
    result.endsInSuffix =
        result.words.size() > 1 && isSuffix(result.words.back()) && !isDottedInitials(lastWritten);
    return result;
}

std::string joined(const std::vector<std::string>& all, bool dropLast) {
    std::string key;
    for (std::size_t i = 0; i + (dropLast ? 1 : 0) < all.size(); ++i) {
        key += all[i];
    }
    return key;
}

// "Last, First" or "Name, Jr.": after the comma only a suffix means the second.
bool commaIsSuffix(std::string_view afterComma) {
    const NameWords after = words(afterComma);
    return !after.words.empty() && after.words.size() == 1 && isSuffix(after.words.front()) &&
           !isDottedInitials(trimmedView(afterComma));
}

NameWords firstThenLast(std::string_view firstname, std::string_view lastname) {
    NameWords all = words(firstname);
    NameWords last = words(lastname);
    for (std::string& word : last.words) {
        all.words.push_back(std::move(word));
    }
    all.endsInSuffix = last.endsInSuffix ||
                       (last.words.size() == 1 && all.words.size() > 1 &&
                        isSuffix(all.words.back()) && !isDottedInitials(trimmedView(lastname)));
    return all;
}

struct TeamAlias {
    std::string_view code;
    std::string_view team;
};

constexpr std::array<TeamAlias, 16> kTeamAliases = {{
    {"BKN", "BRK"},
    {"BK", "BRK"},
    {"CHA", "CHO"},
    {"CHH", "CHO"},
    {"PHX", "PHO"},
    {"GS", "GSW"},
    {"NO", "NOP"},
    {"NOR", "NOP"},
    {"NOH", "NOP"},
    {"SA", "SAS"},
    {"NY", "NYK"},
    {"UTAH", "UTA"},
    {"UTH", "UTA"},
    {"WSH", "WAS"},
    {"LAK", "LAL"},
    {"OKL", "OKC"},
}};

bool hasTeam(const PlayerCandidate& candidate, const std::string& team, bool firstOnly) {
    const std::size_t count =
        firstOnly ? std::min<std::size_t>(1, candidate.teams.size()) : candidate.teams.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (normaliseTeamCode(candidate.teams[i]) == team) {
            return true;
        }
    }
    return false;
}

// The parts of a hyphenated last name ("Mitrou-Long"), or the name alone.
std::vector<std::string_view> surnameParts(std::string_view lastname) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t hyphen = lastname.find('-'); hyphen != std::string_view::npos;
         hyphen = lastname.find('-', start)) {
        if (!trimmedView(lastname.substr(start, hyphen - start)).empty()) {
            parts.push_back(trimmedView(lastname.substr(start, hyphen - start)));
        }
        start = hyphen + 1;
    }
    if (!trimmedView(lastname.substr(start)).empty()) {
        parts.push_back(trimmedView(lastname.substr(start)));
    }
    return parts;
}

}  // namespace

std::string normalisePlayerName(std::string_view fullName) {
    const std::size_t comma = fullName.find(',');
    if (comma != std::string_view::npos && !commaIsSuffix(fullName.substr(comma + 1))) {
        return normalisePlayerName(fullName.substr(comma + 1), fullName.substr(0, comma));
    }
    const NameWords all = words(fullName);
    return joined(all.words, all.endsInSuffix);
}

std::string normalisePlayerName(std::string_view firstname, std::string_view lastname) {
    const NameWords all = firstThenLast(firstname, lastname);
    return joined(all.words, all.endsInSuffix);
}

std::vector<std::string> alternateNameKeys(std::string_view fullName) {
    std::vector<std::string> keys;
    const auto add = [&](std::string key) {
        if (!key.empty() && key != normalisePlayerName(fullName) &&
            std::find(keys.begin(), keys.end(), key) == keys.end()) {
            keys.push_back(std::move(key));
        }
    };
    const std::size_t comma = fullName.find(',');
    if (comma != std::string_view::npos) {
        // "Smith, JR": the first name J.R. or the suffix; whichever the stored names hold.
        add(joined(firstThenLast(fullName.substr(comma + 1), fullName.substr(0, comma)).words,
                   false));
        add(joined(words(fullName).words, false));
    }
    // A last word that only looks like a suffix: "Kevin Iv" is unlikely, "Mo Sr" not.
    add(joined(words(fullName).words, false));
    return keys;
}

std::string normaliseTeamCode(std::string_view team) {
    std::string code;
    for (const char c : team) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
            code += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    for (const TeamAlias& alias : kTeamAliases) {
        if (alias.code == code) {
            return std::string(alias.team);
        }
    }
    return code;
}

void PlayerNameMatcher::addPlayer(std::string_view firstname, std::string_view lastname,
                                  const PlayerCandidate& candidate) {
    const std::string key = normalisePlayerName(firstname, lastname);
    if (const auto parts = surnameParts(lastname); parts.size() > 1) {
        for (const std::string_view part : parts) {
            auto& named = m_bySurnamePart[normalisePlayerName(firstname, part)];
            const std::pair<std::string, int> entry{key, candidate.playerid};
            if (std::find(named.begin(), named.end(), entry) == named.end()) {
                named.push_back(entry);
            }
        }
    }
    std::vector<PlayerCandidate>& players = m_byName[key];
    const auto same = std::find_if(players.begin(), players.end(), [&](const auto& known) {
        return known.playerid == candidate.playerid;
    });
    if (same == players.end()) {
        players.push_back(candidate);
        return;
    }
    for (const std::string& team : candidate.teams) {
        if (std::find(same->teams.begin(), same->teams.end(), team) == same->teams.end()) {
            same->teams.push_back(team);
        }
    }
    for (std::size_t i = 0; i < same->flags.size(); ++i) {
        same->flags[i] |= candidate.flags[i];
    }
}

std::vector<const PlayerCandidate*> PlayerNameMatcher::findByName(std::string_view fullName) const {
    return findByKey(normalisePlayerName(fullName));
}

std::vector<const PlayerCandidate*> PlayerNameMatcher::findByKey(const std::string& key) const {
    std::vector<const PlayerCandidate*> found;
    const auto entry = m_byName.find(key);
    if (entry != m_byName.end()) {
        for (const PlayerCandidate& candidate : entry->second) {
            found.push_back(&candidate);
        }
    }
    return found;
}

std::vector<const PlayerCandidate*> PlayerNameMatcher::decideByTeam(
    const std::vector<const PlayerCandidate*>& candidates, std::string_view team) {
    const std::string wanted = normaliseTeamCode(team);
    std::vector<const PlayerCandidate*> chosen;
    if (wanted.empty()) {
        return chosen;
    }
    for (const bool firstOnly : {true, false}) {
        for (const PlayerCandidate* candidate : candidates) {
            if (hasTeam(*candidate, wanted, firstOnly)) {
                chosen.push_back(candidate);
            }
        }
        if (!chosen.empty()) {
            break;
        }
    }
    return chosen;
}

std::vector<const PlayerCandidate*> PlayerNameMatcher::decideByPosition(
    const std::vector<const PlayerCandidate*>& candidates, const std::array<int, 5>& flags) {
    std::vector<const PlayerCandidate*> chosen;
    for (const PlayerCandidate* candidate : candidates) {
        for (std::size_t i = 0; i < flags.size(); ++i) {
            if (flags[i] != 0 && candidate->flags[i] != 0) {
                chosen.push_back(candidate);
                break;
            }
        }
    }
    return chosen;
}

PlayerMatch PlayerNameMatcher::match(std::string_view fullName, std::string_view team,
                                     const std::optional<std::array<int, 5>>& flags) const {
    return matchKey(normalisePlayerName(fullName), team, flags);
}

PlayerMatch PlayerNameMatcher::matchKey(const std::string& nameKey, std::string_view team,
                                        const std::optional<std::array<int, 5>>& flags) const {
    return decide(findByKey(nameKey), team, flags);
}

PlayerMatch PlayerNameMatcher::matchPattern(const std::string& pattern, std::string_view team,
                                            const std::optional<std::array<int, 5>>& flags) const {
    std::vector<const PlayerCandidate*> found;
    for (const auto& [key, players] : m_byName) {
        if (key.size() != pattern.size() ||
            !std::equal(key.begin(), key.end(), pattern.begin(), [](char stored, char wanted) {
                return wanted == '?' || stored == wanted;
            })) {
            continue;
        }
        for (const PlayerCandidate& candidate : players) {
            if (std::none_of(found.begin(), found.end(), [&](const PlayerCandidate* known) {
                    return known->playerid == candidate.playerid;
                })) {
                found.push_back(&candidate);
            }
        }
    }
    std::sort(found.begin(), found.end(), [](const PlayerCandidate* a, const PlayerCandidate* b) {
        return a->playerid < b->playerid;
    });
    return decide(std::move(found), team, flags);
}

const PlayerCandidate* PlayerNameMatcher::findById(const std::string& key, int playerid) const {
    for (const PlayerCandidate* candidate : findByKey(key)) {
        if (candidate->playerid == playerid) {
            return candidate;
        }
    }
    return nullptr;
}

PlayerMatch PlayerNameMatcher::matchOtherForms(
    std::string_view firstname, std::string_view lastname, const FirstNameForms& firstNameForms,
    std::string_view team, const std::optional<std::array<int, 5>>& flags) const {
    std::vector<std::string> firstNames{normalisePlayerName(firstname)};
    for (std::string& other : firstNameForms(firstNames.front())) {
        firstNames.push_back(std::move(other));
    }
    std::vector<std::string> lastNames{normalisePlayerName(lastname)};
    if (const auto parts = surnameParts(lastname); parts.size() > 1) {
        for (const std::string_view part : parts) {
            lastNames.push_back(normalisePlayerName(part));
        }
    }
    std::vector<const PlayerCandidate*> found;
    const auto add = [&found](const PlayerCandidate* candidate) {
        if (candidate != nullptr &&
            std::none_of(found.begin(), found.end(), [&](const PlayerCandidate* known) {
                return known->playerid == candidate->playerid;
            })) {
            found.push_back(candidate);
        }
    };
    for (std::size_t f = 0; f < firstNames.size(); ++f) {
        for (std::size_t l = 0; l < lastNames.size(); ++l) {
            const std::string key = firstNames[f] + lastNames[l];
            if (f > 0 || l > 0) {
                for (const PlayerCandidate* candidate : findByKey(key)) {
                    add(candidate);
                }
            }
            if (const auto part = m_bySurnamePart.find(key); part != m_bySurnamePart.end()) {
                for (const auto& [storedKey, playerid] : part->second) {
                    add(findById(storedKey, playerid));
                }
            }
        }
    }
    std::vector<const PlayerCandidate*> confirmed = decideByTeam(found, team);
    if (confirmed.empty() && flags) {
        confirmed = decideByPosition(found, *flags);
    }
    PlayerMatch result;
    if (confirmed.size() == 1) {
        result.outcome = PlayerMatch::Outcome::Matched;
        result.playerid = confirmed.front()->playerid;
    } else if (confirmed.size() > 1) {
        result.outcome = PlayerMatch::Outcome::Ambiguous;
        for (const PlayerCandidate* candidate : confirmed) {
            result.candidates.push_back(candidate->playerid);
        }
    }
    return result;
}

PlayerMatch PlayerNameMatcher::decide(std::vector<const PlayerCandidate*> found,
                                      std::string_view team,
                                      const std::optional<std::array<int, 5>>& flags) const {
    PlayerMatch result;
    if (found.size() > 1) {
        if (auto byTeam = decideByTeam(found, team); !byTeam.empty()) {
            found = std::move(byTeam);
        }
    }
    if (found.size() > 1 && flags) {
        if (auto byPosition = decideByPosition(found, *flags); !byPosition.empty()) {
            found = std::move(byPosition);
        }
    }
    if (found.size() == 1) {
        result.outcome = PlayerMatch::Outcome::Matched;
        result.playerid = found.front()->playerid;
    } else if (found.size() > 1) {
        result.outcome = PlayerMatch::Outcome::Ambiguous;
        for (const PlayerCandidate* candidate : found) {
            result.candidates.push_back(candidate->playerid);
        }
    }
    return result;
}

}  // namespace quorvane
