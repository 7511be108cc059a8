// SPDX-License-Identifier: MIT
#include "headtohead/HeadToHeadLeague.h"

namespace quorvane {

HeadToHeadLeague::HeadToHeadLeague(const DraftModel& model, bool includeReserves)
    : m_model(model),
      m_z(model),
      m_g(model, m_z),
      m_matchups(model, m_g.scales(), draftedTeamWeeks(model, includeReserves)) {}

std::vector<HeadToHeadStanding> HeadToHeadLeague::standings() const {
    return headToHeadStandings(m_model, m_matchups);
}

}  // namespace quorvane
