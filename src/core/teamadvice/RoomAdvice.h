// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "advice/ExplainLines.h"
#include "model/DraftModel.h"
#include "teamadvice/TeamAdvice.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

struct DraftSession;

// The pick advice the draft room shows for the user's team, kept between refreshes: the grid's
// columns, the player card and the keeper windows read it without loading the draft again.
class RoomAdvice {
  public:
    // Takes a copy of the open draft's held model (read again only when the file changed) and
    // computes the advice for the team marked as the user's. After a failed read (its failure
    // returned, its log line written) the advice is empty.
    Outcome<Done> refresh(DraftSession& session);

    // nullptr before a refresh, after a failed one, or when no team is marked as the user's.
    const TeamAdvice* advice() const { return m_advice.get(); }
    const DraftModel* model() const { return m_model.get(); }
    // The advice row of an available player; nullptr for anyone else.
    const AdviceRow* rowOf(int playerid) const;

  private:
    std::unique_ptr<DraftModel> m_model;
    std::unique_ptr<TeamAdvice> m_advice;
    std::unordered_map<int, std::size_t> m_rowOfPlayer;
};

// The room's advice the session keeps in `held` (made on first use), refreshed for the draft as
// it now stands; nullptr without an open draft.
Outcome<const RoomAdvice*> refreshRoomAdvice(DraftSession& session,
                                             std::shared_ptr<RoomAdvice>& held);
// The advice of the last refresh, nullptr when there is none.
const RoomAdvice* currentRoomAdvice(const std::shared_ptr<RoomAdvice>& held);

// What the player card shows of a player's value to the user's team: per category his z-score
// and standings gain, and the math of his value as the explain command prints it.
struct PlayerAdviceCard {
    std::vector<CategoryAdvice> categories;
    std::vector<ExplainLine> explain;
};

// The card of a player of the projection season from the last refresh kept in `held`, figures
// with inflation as showInflation says. A failure without words without advice or for a player
// the season does not hold; a failed read comes back with its message, its log line written.
Outcome<PlayerAdviceCard> playerAdviceCard(DraftSession& session,
                                           const std::shared_ptr<RoomAdvice>& held,
                                           bool showInflation, int playerid);

// The card as a piece of HTML for the player page: a table of category, z and gain, then the
// explain lines as a table of key and value.
std::string playerAdviceCardHtml(const PlayerAdviceCard& card);

}  // namespace quorvane
