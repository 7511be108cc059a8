// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "RoomFixture.h"
#include "room/Rosters.h"

namespace quorvane::test {
namespace {

// Team names are cut to 16 characters in a draft and 11 in an auction; a name whose cut falls
// inside a two-byte letter keeps the letter whole instead of ending in half of it.
TEST(MoneyList, CutsTeamNamesByCharacters) {
    RoomFixture snake(2, kDraftTypeSnake);
    snake.exec("update DraftTeams set teamname = 'Ñandúes de Córdoba' where draftposition = 2");
    snake.reload();
    const auto draftLines = showTeamMoney(snake.state);
    ASSERT_TRUE(draftLines);
    EXPECT_EQ((*draftLines)[1].caption, "Ñandúes de Córdo");  // 16 bytes: "Ñandúes de Có"

    RoomFixture auction(2, kDraftTypeAuction);
    auction.setMoney(200, 1);
    auction.exec("update DraftTeams set teamname = 'Łódź Ćwierćfinał' where draftposition = 1");
    auction.reload();
    const auto auctionLines = showTeamMoney(auction.state);
    ASSERT_TRUE(auctionLines);
    EXPECT_EQ((*auctionLines)[1].caption.substr(0, (*auctionLines)[1].caption.find(" - $")),
              "Łódź Ćwierć");  // cut by bytes it would read "Łódź Ćw"
}

}  // namespace
}  // namespace quorvane::test
