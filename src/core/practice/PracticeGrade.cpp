// SPDX-License-Identifier: MIT
#include "practice/PracticeGrade.h"

#include <algorithm>
#include <map>

#include "availability/AdpPositions.h"
#include "valuation/ProjectedStandings.h"

namespace quorvane {

namespace {

// 1 + the teams strictly better: equal teams share the better place.
int placeAmong(const std::vector<double>& figures, double mine) {
    return 1 + static_cast<int>(std::count_if(figures.begin(), figures.end(),
                                              [mine](double other) { return other > mine; }));
}

}  // namespace

std::string verdictOf(int pickNumber, double adp) {
    const double later = pickNumber - adp;
    if (later >= kStealReachPicks) {
        return "steal";
    }
    if (later <= -kStealReachPicks) {
        return "reach";
    }
    return {};
}

std::optional<PracticeGrade> gradePractice(const DraftSettings& draft, const DraftModel& model,
                                           std::size_t team) {
    if (team >= model.teams.size()) {
        return std::nullopt;
    }
    const int teamid = model.teams[team].teamid;
    const bool rotisserie = draft.scoringstyle != kScoringPoints;
    // Per category id: every team's figure, and the user's.
    std::map<int, std::vector<double>> figures;
    std::map<int, const StandingsEntry*> mine;
    std::vector<int> order;
    const std::vector<StandingsEntry> standings = projectedStandings(draft, model, false);
    for (const StandingsEntry& entry : standings) {
        // Rank points already count fewer turnovers as better.
        const double figure = rotisserie || entry.categoryid == 0 ? entry.rank : entry.points;
        figures[entry.categoryid].push_back(figure);
        if (entry.teamid == teamid) {
            mine[entry.categoryid] = &entry;
            order.push_back(entry.categoryid);
        }
    }
    const auto total = mine.find(0);
    if (total == mine.end()) {
        return std::nullopt;
    }
    PracticeGrade grade;
    grade.teamname = model.teams[team].teamname;
    grade.teams = static_cast<int>(figures[0].size());
    grade.points = total->second->rank;
    grade.place = placeAmong(figures[0], grade.points);
    std::reverse(order.begin(), order.end());
    for (int categoryid : order) {
        if (categoryid == 0) {
            continue;
        }
        const StandingsEntry& entry = *mine[categoryid];
        const double figure = rotisserie ? entry.rank : entry.points;
        grade.categories.push_back({entry.symbol, placeAmong(figures[categoryid], figure), figure});
    }
    const std::vector<double> positions = adpPositions(model);
    for (const ModelPick& pick : model.picks) {
        const ModelPlayer* player = model.findPlayer(pick.playerid);
        if (pick.teamid != teamid || pick.pickNumber == 0 || player == nullptr) {
            continue;
        }
        const double adp = positions[static_cast<std::size_t>(player - model.players.data())];
        grade.picks.push_back({pick.pickNumber, pick.playerid,
                               player->firstname + " " + player->lastname, adp,
                               verdictOf(pick.pickNumber, adp)});
    }
    std::sort(grade.picks.begin(), grade.picks.end(),
              [](const PickAgainstAdp& a, const PickAgainstAdp& b) {
                  return a.pickNumber < b.pickNumber;
              });
    return grade;
}

}  // namespace quorvane
