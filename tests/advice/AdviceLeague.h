// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "../valuation/LeagueFixture.h"
#include "model/DraftModel.h"

namespace quorvane::test {

// One projection line with the columns the advice reads; positions as "PG,SG".
struct AdvicePlayer {
    int playerid = 0;
    int fgm = 0;
    int fga = 0;
    int ftm = 0;
    int fta = 0;
    int assists = 0;
    int turnovers = 0;
    int games = 0;
    std::string positions{};
    double dollars = 0.0;  // as the last valuation left them
    int rank = 0;
};

// A small league built in the tables, with the valuation's figures set by hand so that the
// advice is checked against its own definitions alone.
class AdviceLeague {
  public:
    AdviceLeague(TestProgram& program, int teams, int drafttype, int scoringstyle);

    AdviceLeague& player(const AdvicePlayer& line);
    AdviceLeague& pick(int playerid, int draftposition, const std::string& slot);
    AdviceLeague& keeper(int playerid, int draftposition, double price);
    // The team at the draft position holds the turn, the snake going in `direction`.
    AdviceLeague& onClock(int draftposition, const std::string& direction);
    AdviceLeague& rounds(int count);
    AdviceLeague& punt(int categoryid);

    // The draft reloaded and read into memory.
    DraftModel model();

    League league;

  private:
    TestProgram& m_program;
};

}  // namespace quorvane::test
