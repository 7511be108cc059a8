// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "session/ProgramState.h"
#include "support/FakeDialogs.h"
#include "support/TestProgram.h"

namespace quorvane::test {

// A database with the sample projections and one draft of `teams` teams open, with a roster of
// one C, one G, one F and one UT slot (four rounds).
struct FollowProgram {
    FollowProgram(int teams, int drafttype);

    TempFolder folder;
    ProgramState state;
    FakeDialogs dialogs;
    int draftId = 0;

    void exec(const std::string& sql);
    double scalar(const std::string& sql);
    int teamAt(int draftposition) const;
    // The draft's picks as "pick:playerid>team/slot" ("K:" for a keeper), by pick number, and in
    // an auction with "$price".
    std::vector<std::string> picks();
    std::vector<std::string> logLines() const;
};

}  // namespace quorvane::test
