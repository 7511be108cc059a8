// SPDX-License-Identifier: MIT
#pragma once

#include "support/TestProgram.h"

namespace quorvane::test {

// Six players: a centre, three guards and two forwards, with figures that order them apart.
inline void addSixPlayers(TestProgram& program) {
    program.exec(
        "insert into DraftPlayers (playerid, yearofprojection, firstname, lastname, pos, team, "
        "games, fgm, fga, ftm, fta, pt3m, assists, PG, SG, SF, PF, C) values "
        "(1, 2019, 'Steven', 'Adams', 'C', 'OKC', 80, 400, 700, 100, 200, 0, 90, 0, 0, 0, 0, 1),"
        "(2, 2019, 'Dennis', 'Smith', 'G', 'DAL', 60, 300, 700, 100, 150, 61, 400, 1, 0, 0, 0, 0),"
        "(3, 2019, 'Marcus', 'Smart', 'G', 'BOS', 70, 250, 600, 80, 100, 90, 300, 0, 1, 0, 0, 0),"
        "(4, 2019, 'Jaylen', 'Brown', 'F', 'BOS', 75, 350, 750, 90, 120, 71, 120, 0, 0, 1, 0, 0),"
        "(5, 2019, 'Luka', 'Don\u010di\u0107', 'G', 'DAL', 72, 510, 1120, 303, 420, 170, 430, 1, "
        "1, 0, 0, 0),"
        "(6, 2019, 'Jarrett', 'Allen', 'F', 'BKN', 82, 380, 600, 120, 180, 0, 110, 0, 0, 0, 1, 0)");
}

}  // namespace quorvane::test
