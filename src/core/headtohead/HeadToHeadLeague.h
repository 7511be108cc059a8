// SPDX-License-Identifier: MIT
#pragma once

#include "advice/ZScores.h"
#include "headtohead/GScores.h"
#include "headtohead/Matchups.h"
#include "model/DraftModel.h"

namespace quorvane {

// A head-to-head league as its rosters stand: the z-scores and G-scores its scales come from,
// and every team's week against every other's. The model must outlive it.
class HeadToHeadLeague {
  public:
    HeadToHeadLeague(const DraftModel& model, bool includeReserves);
    HeadToHeadLeague(const HeadToHeadLeague&) = delete;
    HeadToHeadLeague& operator=(const HeadToHeadLeague&) = delete;

    const ZScores& zScores() const { return m_z; }
    const GScores& gScores() const { return m_g; }
    const Matchups& matchups() const { return m_matchups; }
    std::vector<HeadToHeadStanding> standings() const;

  private:
    const DraftModel& m_model;
    ZScores m_z;
    GScores m_g;
    Matchups m_matchups;
};

}  // namespace quorvane
