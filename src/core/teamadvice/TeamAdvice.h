// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "advice/AdviceTeam.h"
#include "advice/ExpectedStandings.h"
#include "advice/NextAvailable.h"
#include "advice/ZScores.h"
#include "headtohead/GScores.h"
#include "headtohead/HeadToHeadGain.h"
#include "model/DraftModel.h"
#include "vocabulary/GridTable.h"

namespace quorvane {

struct AdviceRow {
    std::size_t player = 0;  // index into the model's players
    int playerid = 0;
    std::string firstname;
    std::string lastname;
    std::string pos;
    double value = 0.0;  // dollars; fantasy points in a points draft that is not an auction
    int rank = 0;
    double z = 0.0;
    std::optional<double> zDollars;
    std::optional<double> gain;
    std::optional<double> vona;
};

struct CategoryAdvice {
    int categoryid = 0;
    std::string symbol;
    bool punted = false;
    double z = 0.0;
    std::optional<double> gain;
};

// Pick advice for one team over a loaded draft: every available player with his value, total z,
// z dollars, standings gain and value over next available, best gain first (players without a
// gain, and equal gains, in the draft's order of value). Built in time linear in the players;
// after a pick, applyPick on the model and a new TeamAdvice is all that is needed. In a
// head-to-head league z and z dollars are the G-scores and G$, the gain is the change of the
// team's head-to-head figure and value over next available goes by total G.
class TeamAdvice {
  public:
    // `team` indexes model.teams. The model must outlive the advice.
    TeamAdvice(const DraftModel& model, std::size_t team);
    // The parts hold references into each other.
    TeamAdvice(const TeamAdvice&) = delete;
    TeamAdvice& operator=(const TeamAdvice&) = delete;

    const std::vector<AdviceRow>& rows() const { return m_rows; }
    // Per category of the draft, in its order; empty for a player the model does not hold.
    std::vector<CategoryAdvice> categories(int playerid) const;

    const ZScores& zScores() const { return m_z; }
    // nullptr outside head-to-head leagues.
    const GScores* gScores() const { return m_g ? &*m_g : nullptr; }
    const ExpectedStandings& standings() const { return m_standings; }
    const NextAvailable& nextAvailable() const { return m_next; }

    // The rows as the available-players grid shows them; the playerid column is hidden.
    GridTable grid() const;

  private:
    const DraftModel& m_model;
    std::size_t m_team;
    std::vector<std::size_t> m_available;
    ZScores m_z;
    std::optional<GScores> m_g;  // head-to-head leagues
    std::vector<double> m_values;
    ExpectedStandings m_standings;
    std::optional<HeadToHeadGain> m_headToHeadGain;
    NextAvailable m_next;
    std::vector<AdviceRow> m_rows;
};

}  // namespace quorvane
