// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "model/DraftModel.h"

namespace quorvane {

// The picks the other teams make between the team's coming turn and its next one under the
// draft's turn rules. The coming turn is the one on the clock when the team holds it, else the
// first the turn reaches walking on from the team on the clock (from draft position 1 going up
// when no team holds it). nullopt in an auction, when the coming turn is the team's last pick
// (its roster already holds rounds - 1 players), or when the turn never reaches the team.
std::optional<int> picksBeforeNextTurn(const DraftModel& model, std::size_t team);

// What value over next available measures: dollars in a rotisserie draft, fantasy points (every
// category, punted or not) in a points draft. One entry per player of the model.
std::vector<double> playerValues(const DraftModel& model);

// Value over next available for one team: the others take the k best available players by the
// draft's value (never the player asked about); his value minus the value of the best player
// left who shares one of his positions (PG, SG, SF, PF, C), or his whole value when none is.
class NextAvailable {
  public:
    // `available` best first by the draft's value; `values` from playerValues.
    NextAvailable(const DraftModel& model, std::size_t team,
                  const std::vector<std::size_t>& available, const std::vector<double>& values);

    // By index into model.players; nullopt when blank (see picksBeforeNextTurn) or for a
    // player who is not available.
    std::optional<double> vona(std::size_t player) const;
    std::optional<int> picksBefore() const { return m_picks; }

  private:
    static constexpr std::size_t kPositions = 5;
    // The two best by value of each position among the players of a stretch of `available`.
    using BestTwo = std::array<std::array<std::optional<std::size_t>, 2>, kPositions>;
    BestTwo bestFrom(std::size_t first) const;
    std::optional<std::size_t> bestSharing(const BestTwo& best, std::size_t player) const;
    bool higher(std::size_t a, std::size_t b) const;

    const DraftModel& m_model;
    const std::vector<std::size_t>& m_available;
    const std::vector<double>& m_values;
    std::optional<int> m_picks;
    std::vector<std::size_t> m_placeInAvailable;  // per player; npos when not available
    BestTwo m_fromPicks;                          // from place k on
    BestTwo m_afterPicks;                         // from place k + 1 on
};

}  // namespace quorvane
