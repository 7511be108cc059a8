// SPDX-License-Identifier: MIT
#include "valuation/ProjectedStandings.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "advice/CategoryFigures.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

constexpr const char* kTotalSymbol = "TOTAL";

struct CategoryUse {
    const CategoryDefinition* category;
    double weight;
};

// A team's value in a ratio category, as shown: its players' summed columns divided, written
// with the category's decimals and read back.
double roundedTeamFigure(const CategoryDefinition& category, double numerator, double denominator) {
    const double figure = denominator == 0.0 ? 0.0 : numerator / denominator;
    const char* pattern = category.format == CategoryFormat::ThreeDecimals ? "#.000" : "0.00";
    return std::strtod(formatPattern(figure, pattern).c_str(), nullptr);
}

struct TeamRows {
    const DraftTeam* team = nullptr;
    std::vector<const ModelPlayer*> players;  // counted, in recording order
    std::vector<StandingsEntry> entries;      // categories in the order their rows arise
    double total = 0.0;
};

std::vector<CategoryUse> draftCategories(const DraftSettings& draft) {
    std::vector<CategoryUse> uses;
    for (const CategoryWeight& weight : draft.categories) {
        if (const CategoryDefinition* category = findCategory(weight.categoryid)) {
            uses.push_back({category, weight.points});
        }
    }
    return uses;
}

StandingsEntry entryOf(const TeamRows& team, const CategoryDefinition& category, double points,
                       double rank) {
    return {team.team->teamid,
            team.team->teamname,
            category.categoryid,
            std::string(category.heading),
            points,
            rank};
}

// Count categories first (by id), then ratio categories in the draft's order: the order the
// totals are summed in.
void teamValues(const DraftSettings& draft, const std::vector<CategoryUse>& uses, TeamRows& team) {
    const bool points = draft.scoringstyle == kScoringPoints;
    std::vector<CategoryUse> counts;
    for (const CategoryUse& use : uses) {
        if (!use.category->ratio) {
            counts.push_back(use);
        }
    }
    std::stable_sort(counts.begin(), counts.end(), [](const CategoryUse& a, const CategoryUse& b) {
        return a.category->categoryid < b.category->categoryid;
    });
    for (const CategoryUse& use : counts) {
        const CategoryFormula& formula = categoryFormula(*use.category);
        double sum = 0.0;
        for (const ModelPlayer* player : team.players) {
            const double figure = figureOf(formula, player->stats);
            sum += points ? figure * use.weight : figure;
        }
        team.entries.push_back(entryOf(team, *use.category, sum, points ? sum : 0.0));
    }
    for (const CategoryUse& use : uses) {
        if (!use.category->ratio) {
            continue;
        }
        // In a points league a team without players has no ratio value at all.
        if (points && team.players.empty()) {
            continue;
        }
        const CategoryFormula& formula = categoryFormula(*use.category);
        double numerator = 0.0;
        double denominator = 0.0;
        StatLine sums{};
        for (const ModelPlayer* player : team.players) {
            for (std::size_t i = 0; i < kStatColumnCount; ++i) {
                sums[i] += player->stats[i];
            }
        }
        numerator = numeratorOf(formula, sums);
        denominator = denominatorOf(formula, sums);
        double value = roundedTeamFigure(*use.category, numerator, denominator);
        if (points) {
            value = value * use.weight;
        }
        team.entries.push_back(entryOf(team, *use.category, value, points ? value : 0.0));
    }
}

// Each team scores 1 + the teams it beats + half the teams it ties, per category.
void rankPoints(std::vector<TeamRows>& teams) {
    for (TeamRows& team : teams) {
        for (StandingsEntry& entry : team.entries) {
            double wins = 0.0;
            double ties = 0.0;
            for (const TeamRows& other : teams) {
                if (other.team == team.team) {
                    continue;
                }
                for (const StandingsEntry& theirs : other.entries) {
                    if (theirs.categoryid != entry.categoryid) {
                        continue;
                    }
                    const bool better = entry.categoryid == kTurnoversCategory
                                            ? entry.points < theirs.points
                                            : entry.points > theirs.points;
                    wins += better ? 1.0 : 0.0;
                    ties += entry.points == theirs.points ? 1.0 : 0.0;
                }
            }
            entry.rank = wins + ties / 2.0 + 1.0;
        }
    }
}

}  // namespace

std::vector<StandingsEntry> projectedStandings(const DraftSettings& draft, const DraftModel& model,
                                               bool includeReserves) {
    const std::vector<CategoryUse> uses = draftCategories(draft);
    std::vector<TeamRows> teams;
    teams.reserve(draft.draftTeams.size());
    for (const DraftTeam& team : draft.draftTeams) {
        teams.push_back({&team, {}, {}, 0.0});
    }
    for (const ModelPick& pick : model.picks) {
        // A pick without a slot is no reserve.
        if (!includeReserves && pick.slot == "R") {
            continue;
        }
        const ModelPlayer* player = model.findPlayer(pick.playerid);
        const auto team = std::find_if(teams.begin(), teams.end(), [&](const TeamRows& rows) {
            return rows.team->teamid == pick.teamid;
        });
        if (player != nullptr && team != teams.end()) {
            team->players.push_back(player);
        }
    }
    for (TeamRows& team : teams) {
        teamValues(draft, uses, team);
    }
    if (draft.scoringstyle != kScoringPoints) {
        rankPoints(teams);
    }
    // A team without a single category row has no total and no place in the standings.
    std::erase_if(teams, [](const TeamRows& team) { return team.entries.empty(); });
    for (TeamRows& team : teams) {
        for (const StandingsEntry& entry : team.entries) {
            team.total += entry.rank;
        }
        team.entries.push_back(
            {team.team->teamid, team.team->teamname, 0, kTotalSymbol, team.total, team.total});
        std::stable_sort(team.entries.begin(), team.entries.end(),
                         [](const StandingsEntry& a, const StandingsEntry& b) {
                             return a.categoryid > b.categoryid;
                         });
    }
    // Equal totals keep the draft order, so the standings read the same on every run.
    std::stable_sort(teams.begin(), teams.end(), [](const TeamRows& a, const TeamRows& b) {
        if (a.total != b.total) {
            return a.total > b.total;
        }
        if (a.team->draftposition != b.team->draftposition) {
            return a.team->draftposition < b.team->draftposition;
        }
        return a.team->teamid < b.team->teamid;
    });
    std::vector<StandingsEntry> entries;
    for (TeamRows& team : teams) {
        entries.insert(entries.end(), team.entries.begin(), team.entries.end());
    }
    return entries;
}

}  // namespace quorvane
