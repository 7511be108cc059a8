// SPDX-License-Identifier: MIT
#include "projections/TablePlan.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <tuple>
#include <unordered_map>

#include <fmt/format.h>

#include "projections/EditDistance.h"
#include "projections/TableNames.h"
#include "projections/TableTotals.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

// Finding the closest players costs a pass over every stored one; past this many rows to review
// the rest are listed without suggestions.
constexpr std::size_t kSuggestedRows = 200;
constexpr std::size_t kSuggestions = 3;

enum class RowOutcome : std::uint8_t { Matched, New, Review, Skip };

// What the matching found for one row.
struct FoundMatch {
    RowOutcome outcome = RowOutcome::New;
    ReviewRow::Kind review = ReviewRow::Kind::NoMatch;
    int playerid = 0;
    std::string key;  // the name's key; new players of one key are one player
    std::vector<int> candidates;
};

// What the matching and the user's choices decided for one row, kept for every row of the table
// while the plan is made: small, its key and candidates kept apart (RowMatches).
struct RowMatch {
    std::string_view key;
    int playerid = 0;
    std::uint32_t candidates = 0;  // of RowMatches' lists, from 1; 0 for none
    ReviewRow::Kind review = ReviewRow::Kind::NoMatch;
    RowOutcome outcome = RowOutcome::New;
    bool chosen = false;  // the user's choice decided it
};

// The matches of a table's rows, in its order.
class RowMatches {
  public:
    explicit RowMatches(std::size_t rows) { m_matches.reserve(rows); }

    void add(FoundMatch found) {
        RowMatch match;
        match.key = m_keys.keep(found.key);
        match.playerid = found.playerid;
        match.review = found.review;
        match.outcome = found.outcome;
        if (!found.candidates.empty()) {
            m_candidates.push_back(std::move(found.candidates));
            match.candidates = static_cast<std::uint32_t>(m_candidates.size());
        }
        m_matches.push_back(match);
    }

    std::size_t size() const { return m_matches.size(); }
    RowMatch& operator[](std::size_t index) { return m_matches[index]; }
    const RowMatch& operator[](std::size_t index) const { return m_matches[index]; }

    const std::vector<int>& candidates(const RowMatch& match) const {
        static const std::vector<int> kNone;
        return match.candidates == 0 ? kNone : m_candidates[match.candidates - 1];
    }

  private:
    std::vector<RowMatch> m_matches;
    CellTexts m_keys;
    std::vector<std::vector<int>> m_candidates;
};

bool isSingleName(std::string_view name) {
    std::size_t words = 0;
    bool inWord = false;
    for (const char c : name) {
        const bool blank = c == ' ' || c == '\t' || c == ',';
        words += !blank && !inWord ? 1 : 0;
        inWord = !blank;
    }
    return words == 1;
}

// A row's first and last names: the table's first and last name columns, else the name split
// where the program's own file splits it ("Last, First" at the comma, otherwise at the first
// blank).
std::pair<std::string, std::string> firstAndLast(const TableRow& source) {
    if (!source.lastname.empty()) {
        return {std::string(source.firstname), std::string(source.lastname)};
    }
    const std::size_t comma = source.name.find(',');
    if (comma != std::string_view::npos) {
        return {trim(source.name.substr(comma + 1)), trim(source.name.substr(0, comma))};
    }
    const std::size_t blank = source.name.find(' ');
    if (blank == std::string_view::npos) {
        return {std::string(), std::string(source.name)};
    }
    return {std::string(source.name.substr(0, blank)), trim(source.name.substr(blank + 1))};
}

void splitName(const TableRow& source, ProjectionRow& row) {
    std::tie(row.firstname, row.lastname) = firstAndLast(source);
}

// The season row as it will be written: what the player has stored, with everything the
// table gives laid over it.
ProjectionRow buildRow(const TableRow& source, const StoredPlayers& stored, int playerid,
                       int season, bool perGame, const std::string& revisiondate,
                       std::vector<std::string>* notes) {
    ProjectionRow row;
    if (const ProjectionRow* own = stored.row(playerid, season)) {
        row = *own;
    } else if (const ProjectionRow* other = stored.anyRow(playerid, season)) {
        row.firstname = other->firstname;
        row.lastname = other->lastname;
        row.pos = other->pos;
        row.team = other->team;
        row.dob = other->dob;
        row.flags = other->flags;
    } else {
        splitName(source, row);
    }
    row.playerid = playerid;
    row.yearofprojection = season;
    row.revisiondate = revisiondate;
    if (!source.team.empty() && !isMultiTeamMark(source.team)) {
        row.team = std::string(source.team);
    }
    if (source.position) {
        row.pos = source.position->pos;
        row.flags = source.position->flags;
    }
    const bool known = stored.anyRow(playerid, season) != nullptr;
    const SeasonTotals totals = seasonTotals(
        source, perGame,
        stored.offensiveReboundShare(known ? std::optional<int>(playerid) : std::nullopt, season));
    if (const auto disagreement = layTotalsOver(totals, perGame, row); disagreement && notes) {
        notes->push_back(describeRow(source) + ": " + *disagreement);
    }
    return row;
}

class RowMatcher {
  public:
    RowMatcher(const StoredPlayers& stored, const NicknameTable& nicknames, int season)
        : m_matcher(stored.matcher(season)), m_nicknames(nicknames) {}

    FoundMatch match(const TableRow& row, std::string_view team) const {
        FoundMatch result;
        result.key = normalisePlayerName(row.name);
        const std::optional<std::array<int, 5>> flags =
            row.position ? std::optional(row.position->flags) : std::nullopt;
        PlayerMatch found = m_matcher.matchKey(result.key, team, flags);
        std::vector<std::string> others = alternateNameKeys(row.name);
        for (std::size_t i = 0, written = others.size(); i <= written; ++i) {
            for (std::string& nickname :
                 m_nicknames.otherKeys(i == 0 ? result.key : others[i - 1])) {
                others.push_back(std::move(nickname));
            }
        }
        for (const std::string& other : others) {
            if (found.outcome != PlayerMatch::Outcome::NotFound) {
                break;
            }
            found = m_matcher.matchKey(other, team, flags);
        }
        const bool lostLetters = hasLostLetters(row.name);
        if (found.outcome == PlayerMatch::Outcome::NotFound && !lostLetters) {
            const auto [firstname, lastname] = firstAndLast(row);
            if (!firstname.empty() && !lastname.empty()) {
                found = m_matcher.matchOtherForms(
                    firstname, lastname,
                    [this](const std::string& folded) {
                        return m_nicknames.otherFirstNames(folded);
                    },
                    team, flags);
            }
        }
        if (found.outcome == PlayerMatch::Outcome::NotFound && lostLetters) {
            found = m_matcher.matchPattern(result.key, team, flags);
        }
        switch (found.outcome) {
            case PlayerMatch::Outcome::Matched:
                result.outcome = RowOutcome::Matched;
                result.playerid = found.playerid;
                break;
            case PlayerMatch::Outcome::Ambiguous:
                result.outcome = RowOutcome::Review;
                result.review = ReviewRow::Kind::Ambiguous;
                result.candidates = std::move(found.candidates);
                break;
            case PlayerMatch::Outcome::NotFound:
                if (lostLetters || isSingleName(row.name)) {
                    result.outcome = RowOutcome::Review;
                    result.review =
                        lostLetters ? ReviewRow::Kind::LostLetters : ReviewRow::Kind::SingleName;
                }
                break;
        }
        return result;
    }

  private:
    PlayerNameMatcher m_matcher;
    const NicknameTable& m_nicknames;
};

// The players a row's name is nearest to: of the row's team first, then by the distance of
// their names' keys; only names within a third of the key's length count as near.
class Suggestions {
  public:
    Suggestions(const StoredPlayers& stored, int season) : m_stored(stored), m_season(season) {}

    std::vector<PlayerSuggestion> closest(const TableRow& row, std::string_view key) {
        load();
        const std::size_t limit = std::max<std::size_t>(2, key.size() / 3);
        const std::string team = normaliseTeamCode(row.team);
        struct Near {
            bool otherTeam;
            std::size_t distance;
            std::size_t index;
        };
        std::vector<Near> near;
        for (std::size_t i = 0; i < m_players.size(); ++i) {
            const std::size_t distance = editDistance(key, m_players[i].key, limit);
            if (distance <= limit) {
                near.push_back(
                    {team.empty() || normaliseTeamCode(m_players[i].suggestion.team) != team,
                     distance, i});
            }
        }
        const std::size_t kept = std::min(kSuggestions, near.size());
        std::partial_sort(
            near.begin(), near.begin() + static_cast<std::ptrdiff_t>(kept), near.end(),
            [this](const Near& a, const Near& b) {
                return std::tie(a.otherTeam, a.distance, m_players[a.index].suggestion.playerid) <
                       std::tie(b.otherTeam, b.distance, m_players[b.index].suggestion.playerid);
            });
        std::vector<PlayerSuggestion> result;
        for (std::size_t i = 0; i < kept; ++i) {
            result.push_back(m_players[near[i].index].suggestion);
        }
        return result;
    }

    PlayerSuggestion of(int playerid) const {
        const ProjectionRow* row = m_stored.anyRow(playerid, m_season);
        if (!row) {
            return {playerid, {}, {}};
        }
        return {playerid, trim(row->firstname + " " + row->lastname), row->team};
    }

  private:
    struct Player {
        PlayerSuggestion suggestion;
        std::string key;
    };

    void load() {
        if (m_loaded) {
            return;
        }
        m_loaded = true;
        for (const int playerid : m_stored.playerIds()) {
            const ProjectionRow* row = m_stored.anyRow(playerid, m_season);
            m_players.push_back({of(playerid), normalisePlayerName(row->firstname, row->lastname)});
        }
    }

    const StoredPlayers& m_stored;
    int m_season;
    bool m_loaded = false;
    std::vector<Player> m_players;
};

// The closest suggestion when he is of the row's team, else leaving the row out.
RowChoice proposedChoice(const ReviewRow& review) {
    RowChoice choice{review.label, RowChoice::Kind::Skip, 0};
    if (review.kind == ReviewRow::Kind::Ambiguous || review.candidates.empty()) {
        return choice;
    }
    const PlayerSuggestion& closest = review.candidates.front();
    const std::string team = normaliseTeamCode(review.team);
    if (!team.empty() && normaliseTeamCode(closest.team) == team) {
        choice.kind = RowChoice::Kind::Player;
        choice.playerid = closest.playerid;
    }
    return choice;
}

bool sameRow(const RowChoice& choice, const TableRow& row, std::string_view key) {
    const std::string wanted = trim(choice.row);
    return wanted == describeRow(row) || wanted == trim(row.written) ||
           (!key.empty() && normalisePlayerName(wanted) == key);
}

// Applies the user's choices; a problem when one names no row or cannot be done.
std::optional<ChoiceProblem> applyChoices(const std::vector<RowChoice>& choices,
                                          const TableRows& rows, const StoredPlayers& stored,
                                          RowMatches& matches) {
    for (const RowChoice& choice : choices) {
        bool used = false;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const TableRow row = rows[i];
            if (!sameRow(choice, row, matches[i].key)) {
                continue;
            }
            used = true;
            RowMatch& match = matches[i];
            match.chosen = true;
            switch (choice.kind) {
                case RowChoice::Kind::Player:
                    if (!stored.anyRow(choice.playerid, 0)) {
                        return ChoiceProblem{fmt::format("There is no player {} to match {} with.",
                                                         choice.playerid, describeRow(row))};
                    }
                    match.outcome = RowOutcome::Matched;
                    match.playerid = choice.playerid;
                    break;
                case RowChoice::Kind::NewPlayer:
                    if (hasLostLetters(row.name) || isSingleName(row.name)) {
                        return ChoiceProblem{
                            fmt::format("{} cannot be a new player's name: {}.", describeRow(row),
                                        hasLostLetters(row.name)
                                            ? "the file's code page lost some of its letters"
                                            : "a new player needs a first and a last name")};
                    }
                    match.outcome = RowOutcome::New;
                    break;
                case RowChoice::Kind::Skip:
                    match.outcome = RowOutcome::Skip;
                    break;
            }
        }
        if (!used) {
            return ChoiceProblem{"The table has no row " + trim(choice.row) + "."};
        }
    }
    return std::nullopt;
}

// A traded player's season row (TOT, 2TM ...) names no team: the rows of his stints that follow
// it, of the same name, tell which namesake he is, and they are all his.
void settleSeasonRowsByStints(const TableRows& rows, const RowMatcher& matcher,
                              RowMatches& matches) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        RowMatch& match = matches[i];
        if (match.chosen || match.review != ReviewRow::Kind::Ambiguous ||
            match.outcome != RowOutcome::Review || !isMultiTeamMark(rows.team(i))) {
            continue;
        }
        std::size_t end = i + 1;
        while (end < rows.size() && matches[end].key == match.key &&
               !isMultiTeamMark(rows.team(end))) {
            ++end;
        }
        for (std::size_t k = i + 1; k < end && match.outcome == RowOutcome::Review; ++k) {
            const TableRow row = rows[k];
            const FoundMatch stint = matcher.match(row, row.team);
            if (stint.outcome == RowOutcome::Matched) {
                match.outcome = RowOutcome::Matched;
                match.playerid = stint.playerid;
            }
        }
        for (std::size_t k = i + 1; k < end && match.outcome == RowOutcome::Matched; ++k) {
            if (!matches[k].chosen && matches[k].outcome == RowOutcome::Review &&
                matches[k].review == ReviewRow::Kind::Ambiguous) {
                matches[k].outcome = RowOutcome::Matched;
                matches[k].playerid = match.playerid;
            }
        }
    }
}

std::string plural(long long count, std::string_view one, std::string_view many) {
    return fmt::format("{} {}", count, count == 1 ? one : many);
}

}  // namespace

ProjectionRow plannedProjection(const ImportPlan& plan, const PlannedRow& planned,
                                const TableRow& source, const StoredPlayers& stored) {
    ProjectionRow row = buildRow(source, stored, planned.playerid, plan.report.season,
                                 plan.report.layout.perGame, plan.revisiondate, nullptr);
    if (!planned.team.empty()) {
        row.team = std::string(planned.team);
    }
    return row;
}

std::string describeRow(const TableRow& row) {
    return fmt::format("{} (line {})", row.written, row.lineNumber);
}

std::variant<ImportPlan, ChoiceProblem> planImport(const TableRows& rows,
                                                   const StoredPlayers& stored,
                                                   const NicknameTable& nicknames,
                                                   const TableLayout& layout, int season,
                                                   const std::string& revisiondate,
                                                   const std::vector<RowChoice>& choices) {
    ImportPlan plan;
    plan.revisiondate = revisiondate;
    plan.table = &rows;
    TableImportReport& report = plan.report;
    report.layout = layout;
    report.season = season;
    const RowMatcher matcher(stored, nicknames, season);
    RowMatches matches(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TableRow row = rows[i];
        matches.add(matcher.match(row, isMultiTeamMark(row.team) ? "" : row.team));
    }
    if (auto problem = applyChoices(choices, rows, stored, matches)) {
        return *problem;
    }
    settleSeasonRowsByStints(rows, matcher, matches);

    // The rows of one player, by his id or, for a new player, his name's key: each player's
    // first row, and after each row the next of the same player (kNoRow after his last). Lists
    // of indices rather than a list per player keep a table of a million new players small.
    constexpr std::size_t kNoRow = std::numeric_limits<std::size_t>::max();
    std::vector<std::size_t> order;
    std::vector<std::size_t> nextOfPlayer(matches.size(), kNoRow);
    {
        std::unordered_map<int, std::size_t> lastOfMatched;
        std::unordered_map<std::string_view, std::size_t> lastOfNew;
        for (std::size_t i = 0; i < matches.size(); ++i) {
            const RowMatch& match = matches[i];
            if (match.outcome != RowOutcome::Matched && match.outcome != RowOutcome::New) {
                continue;
            }
            const auto [last, added] = [&] {
                if (match.outcome == RowOutcome::Matched) {
                    const auto [entry, isNew] = lastOfMatched.try_emplace(match.playerid, i);
                    return std::pair(&entry->second, isNew);
                }
                const auto [entry, isNew] = lastOfNew.try_emplace(std::string_view(match.key), i);
                return std::pair(&entry->second, isNew);
            }();
            if (added) {
                order.push_back(i);
            } else {
                nextOfPlayer[*last] = i;
                *last = i;
            }
        }
    }
    long long tradedPlayers = 0;
    long long stintRows = 0;
    long long repeated = 0;
    std::vector<bool> kept(matches.size(), false);
    std::vector<std::size_t> teamOf(matches.size(), kNoRow);  // the row whose team counts
    for (const std::size_t first : order) {
        std::vector<std::size_t> indices;
        for (std::size_t i = first; i != kNoRow; i = nextOfPlayer[i]) {
            indices.push_back(i);
        }
        const auto seasonRow = std::find_if(indices.begin(), indices.end(), [&](std::size_t i) {
            return isMultiTeamMark(rows.team(i));
        });
        const std::size_t chosen = seasonRow != indices.end() ? *seasonRow : indices.front();
        kept[chosen] = true;
        teamOf[chosen] = chosen;
        if (indices.size() == 1) {
            continue;
        }
        if (seasonRow != indices.end()) {
            ++tradedPlayers;
            stintRows += static_cast<long long>(indices.size()) - 1;
            // His team is that of his last stint.
            for (const std::size_t i : indices) {
                if (!isMultiTeamMark(rows.team(i)) && !rows.team(i).empty()) {
                    teamOf[chosen] = i;
                }
            }
            continue;
        }
        for (const std::size_t i : indices) {
            if (i != chosen) {
                ++repeated;
                report.notes.push_back(describeRow(rows[i]) + ": the player's row above was used");
            }
        }
    }

    Suggestions suggestions(stored, season);
    std::size_t suggested = 0;
    long long reviewSkipped = 0;
    long long userSkipped = 0;
    plan.rows.reserve(matches.size());
    for (std::size_t i = 0; i < matches.size(); ++i) {
        const RowMatch& match = matches[i];
        if (match.outcome == RowOutcome::Skip) {
            ++userSkipped;
            continue;
        }
        if (match.outcome != RowOutcome::Review && !kept[i]) {
            continue;
        }
        const TableRow source = rows[i];
        if (match.outcome == RowOutcome::Review) {
            ReviewRow review{match.review, describeRow(source), std::string(source.team), {}, {}};
            if (match.review == ReviewRow::Kind::Ambiguous) {
                ++report.ambiguous;
                report.ambiguousNames.push_back(describeRow(source));
                for (const int candidate : matches.candidates(match)) {
                    review.candidates.push_back(suggestions.of(candidate));
                }
            } else {
                ++reviewSkipped;
                if (suggested++ < kSuggestedRows) {
                    review.candidates = suggestions.closest(source, match.key);
                }
            }
            review.proposal = proposedChoice(review);
            report.review.push_back(std::move(review));
            continue;
        }
        PlannedRow planned;
        planned.source = i;
        planned.created = match.outcome == RowOutcome::New;
        if (planned.created) {
            report.createdNames.push_back(describeRow(source));
            ++report.created;
            if (!match.chosen) {
                ReviewRow review{ReviewRow::Kind::NoMatch,
                                 describeRow(source),
                                 std::string(source.team),
                                 {},
                                 {}};
                if (suggested++ < kSuggestedRows) {
                    review.candidates = suggestions.closest(source, match.key);
                }
                review.proposal = proposedChoice(review);
                report.review.push_back(std::move(review));
            }
        } else {
            ++report.matched;
        }
        planned.playerid = planned.created ? 0 : match.playerid;
        // Built here for the notes only; the writer builds it again when it writes it.
        buildRow(source, stored, planned.playerid, season, layout.perGame, revisiondate,
                 &report.notes);
        if (teamOf[i] != kNoRow) {
            const std::string_view team = rows.team(teamOf[i]);
            if (!team.empty() && !isMultiTeamMark(team)) {
                planned.team = team;
            }
        }
        plan.rows.push_back(std::move(planned));
    }

    const auto refused = static_cast<long long>(rows.refused.size());
    report.skipped = rows.repeatedHeadings + rows.aggregates + rows.nameless + refused + stintRows +
                     repeated + reviewSkipped + userSkipped;
    for (const SkippedRow& skipped : rows.refused) {
        report.skippedRows.push_back(
            fmt::format("line {}: {}", skipped.lineNumber, skipped.reason));
    }
    if (rows.repeatedHeadings > 0) {
        report.skippedCounts.push_back(
            plural(rows.repeatedHeadings, "repeated heading line", "repeated heading lines"));
    }
    if (rows.aggregates > 0) {
        report.skippedCounts.push_back(
            plural(rows.aggregates, "total or average row", "total or average rows") +
            " (League Average, Team Totals ...)");
    }
    if (rows.nameless > 0) {
        report.skippedCounts.push_back(plural(rows.nameless, "row", "rows") + " without a name");
    }
    if (refused > 0) {
        report.skippedCounts.push_back(plural(refused, "row", "rows") + " that cannot be read");
    }
    if (tradedPlayers > 0) {
        report.skippedCounts.push_back(
            fmt::format("{} of {} traded during the season: the season row (TOT, 2TM ...) was used",
                        plural(stintRows, "team row", "team rows"),
                        plural(tradedPlayers, "player", "players")));
    }
    if (repeated > 0) {
        report.skippedCounts.push_back(plural(repeated, "row", "rows") +
                                       " of a player given before");
    }
    if (reviewSkipped > 0) {
        report.skippedCounts.push_back(
            plural(reviewSkipped, "row", "rows") +
            " whose name needs a choice (lost letters or a single name)");
    }
    if (userSkipped > 0) {
        report.skippedCounts.push_back(plural(userSkipped, "row", "rows") + " skipped by choice");
    }
    report.playerRows = report.matched + report.created + report.ambiguous + reviewSkipped;
    report.manyNew = !stored.empty() && report.created * 2 > report.playerRows;
    return plan;
}

}  // namespace quorvane
