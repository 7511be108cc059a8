// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/TestProgram.h"

namespace quorvane::test {

// One projection row; points come out as ftm + 2*fgm + pt3m.
struct PlayerRow {
    int playerid = 0;
    std::string lastname;
    int ftm = 0;
    int fgm = 0;
    int fga = 0;
    int turnovers = 0;
    int PG = 0;
    int SG = 0;
    int SF = 0;
    int PF = 0;
    int C = 0;
    int games = 0;
    int yearofprojection = kProjectionYear;
};

// A projection row with every statistic a category reads.
struct StatLine {
    int playerid = 0;
    int games = 0, fta = 0, ftm = 0, fga = 0, fgm = 0, pt3a = 0, pt3m = 0, oreb = 0, dreb = 0;
    int assists = 0, steals = 0, blocks = 0, turnovers = 0, doubledouble = 0, tripledouble = 0;
    int C = 0;  // a centre when 1, else a point guard
};

struct Slots {
    int C = 0, F = 0, G = 0, PG = 0, SG = 0, SF = 0, PF = 0, UT = 0, R = 0;
};

// A draft built straight in the tables, so each test states the league it needs.
class League {
  public:
    League(TestProgram& program, int teams, int drafttype, int scoringstyle);

    League& rosterSlots(const Slots& counts);
    League& money(double dollars, double minbid);
    // (categoryid, weight) in the draft's order.
    League& categories(std::initializer_list<std::pair<int, double>> categories);
    League& denominator(int categoryid, double value);
    League& player(const PlayerRow& row);
    League& player(const StatLine& row);
    // Picks in recording order; the team is its draft position.
    League& pick(int playerid, int draftposition, const std::string& pos, double dollars = 0);
    // Reloads the draft into the program state after the tables changed.
    void load();

    int teamId(int draftposition);
    double dollars(int playerid, int year = kProjectionYear);
    // His SGP above his group's replacement level, as the valuation works it out now.
    double sgpAboveLevel(int playerid);
    // His value over the baseline of a points league (none without a position that has one).
    std::optional<double> vbd(int playerid);
    // The positions whose last starter set a baseline in a points league.
    std::vector<std::string> baselinePositions();
    int rank(int playerid, int year = kProjectionYear);

    int id = 0;

  private:
    TestProgram& m_program;
    int m_picks = 0;
};

// Three teams of a snake draft: Owner 1 (the user's) 20 points, 10 turnovers, 5 of 10 field
// goals; Owner 2 20 points, 5 turnovers, 10 of 20; Owner 3 10 points, 5 turnovers, 3 of 9, and a
// reserve with 20 of 20 who would win him two categories.
League threeTeamLeague(TestProgram& program, int scoringstyle,
                       std::initializer_list<std::pair<int, double>> categories);

}  // namespace quorvane::test
