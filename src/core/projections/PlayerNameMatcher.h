// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorvane {

// The key a player's name is compared by: accents folded (Dončić -> doncic), case, blanks and
// punctuation ignored, initials with or without dots alike (J.R. = JR), and a suffix Jr., Sr.,
// II, III or IV left out when it is a separate last word. "Last, First" is read as "First Last".
// A '?' (a letter a code page lost) is kept as a wildcard.
std::string normalisePlayerName(std::string_view fullName);
std::string normalisePlayerName(std::string_view firstname, std::string_view lastname);

// Other keys the name may be stored under where its writing is ambiguous: "Smith, JR" read as
// J.R. Smith as well as Smith Jr., a last word kept that looked like a suffix.
std::vector<std::string> alternateNameKeys(std::string_view fullName);

// A team code as it is compared: upper case, with the different codes sites use for one team
// made one (BKN and BRK, PHX and PHO, GS and GSW, ...).
std::string normaliseTeamCode(std::string_view team);

// One player the matcher can choose: his id, his team (in the season that matters most to the
// caller first, then others) and his position flags PG, SG, PF, SF, C.
struct PlayerCandidate {
    int playerid = 0;
    std::vector<std::string> teams;
    std::array<int, 5> flags{};
};

struct PlayerMatch {
    enum class Outcome { Matched, NotFound, Ambiguous };
    Outcome outcome = Outcome::NotFound;
    int playerid = 0;             // when matched
    std::vector<int> candidates;  // when ambiguous: every player the name fits
};

// Finds players by name among a known set, telling two players of one name apart by team and
// then by position. Used by the table import and anywhere else names come from outside.
class PlayerNameMatcher {
  public:
    // Adds a player under a name; adding the same id under the same name again merges his
    // teams and flags.
    void addPlayer(std::string_view firstname, std::string_view lastname,
                   const PlayerCandidate& candidate);

    // Every player whose name has the same key.
    std::vector<const PlayerCandidate*> findByName(std::string_view fullName) const;

    // The candidates whose team is the given one: first by each one's first team, else by any
    // team he had. Empty when the team is empty or fits nobody.
    static std::vector<const PlayerCandidate*> decideByTeam(
        const std::vector<const PlayerCandidate*>& candidates, std::string_view team);
    // The candidates who share a position flag with the given ones.
    static std::vector<const PlayerCandidate*> decideByPosition(
        const std::vector<const PlayerCandidate*>& candidates, const std::array<int, 5>& flags);

    // By name; two or more of one name by team, then (when flags are given) by position.
    PlayerMatch match(std::string_view fullName, std::string_view team,
                      const std::optional<std::array<int, 5>>& flags = std::nullopt) const;

    // The same for a name already normalised with normalisePlayerName.
    PlayerMatch matchKey(const std::string& nameKey, std::string_view team,
                         const std::optional<std::array<int, 5>>& flags = std::nullopt) const;

    // A key holding '?' wildcards, each one letter: every player whose key fits it, decided by
    // team and position as matchKey does.
    PlayerMatch matchPattern(const std::string& pattern, std::string_view team,
                             const std::optional<std::array<int, 5>>& flags = std::nullopt) const;

    // Other forms of a first name, by its folded form (normalisePlayerName of it alone).
    using FirstNameForms = std::function<std::vector<std::string>(const std::string&)>;

    // The player a name means when it is written another way than stored: its first name in a
    // short or long form of it ("Mitchell" for "Mitch", "Ty" for "Tyrone"), its last name as
    // one part of a stored hyphenated one ("Long" for "Mitrou-Long") or hyphenated where one
    // part is stored. Such a match is a guess, so it counts only when the team (else a
    // position) confirms it; two confirmed players are Ambiguous, none NotFound.
    PlayerMatch matchOtherForms(std::string_view firstname, std::string_view lastname,
                                const FirstNameForms& firstNameForms, std::string_view team,
                                const std::optional<std::array<int, 5>>& flags) const;

  private:
    std::vector<const PlayerCandidate*> findByKey(const std::string& key) const;
    const PlayerCandidate* findById(const std::string& key, int playerid) const;
    PlayerMatch decide(std::vector<const PlayerCandidate*> found, std::string_view team,
                       const std::optional<std::array<int, 5>>& flags) const;

    std::unordered_map<std::string, std::vector<PlayerCandidate>> m_byName;
    // First name and one part of a hyphenated last name -> the key and id of each player so named.
    std::unordered_map<std::string, std::vector<std::pair<std::string, int>>> m_bySurnamePart;
};

}  // namespace quorvane
