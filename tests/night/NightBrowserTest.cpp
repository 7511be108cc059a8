// SPDX-License-Identifier: MIT
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "NightRoomFixture.h"

namespace quorvane::test {

namespace {

using nlohmann::json;

std::string chromium() {
    const char* chosen = std::getenv("CHROMIUM");
    return chosen != nullptr ? chosen : "/usr/bin/chromium";
}

// Runs the page driver on one scenario; its exit status, or a reason to skip.
std::optional<std::string> missingBrowser() {
    if (access(chromium().c_str(), X_OK) != 0) {
        return "headless Chromium is not installed (" + chromium() + ")";
    }
    if (std::system("node --version > /dev/null 2>&1") != 0) {
        return "node is not installed";
    }
    return std::nullopt;
}

class BrowserNight : public NightRoom {
  protected:
    int drive(const std::string& scenario, int player) {
        json teams = json::array();
        for (int position = 1; position <= 3; ++position) {
            teams.push_back({{"team", team(position)}, {"code", codeOf(position)}});
        }
        const char* shots = std::getenv("QUORVANE_NIGHT_SHOTS");
        const json setup = {{"port", port},
                            {"commissioner", commissioner},
                            {"teams", teams},
                            {"player", player},
                            {"shots", shots != nullptr ? shots : ""}};
        const std::string file = program.folder.str() + "/browser.json";
        std::ofstream(file) << setup.dump();
        const std::string command =
            "node " + std::string(QUORVANE_NIGHT_DRIVER) + " " + scenario + " " + file;
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

class BrowserSnakeNight : public BrowserNight {
  protected:
    void SetUp() override { NightRoom::SetUp(kDraftTypeSnake); }
};

}  // namespace

TEST_F(BrowserNight, APhoneNominatesAnotherOutbidsAndTheBoardShowsTheSale) {
    if (const auto missing = missingBrowser()) {
        GTEST_SKIP() << *missing;
    }
    EXPECT_EQ(drive("auction", 12), 0);
    EXPECT_EQ(program.scalar("select dollars from DraftTaken where playerid = 12"), 8.0);
}

TEST_F(BrowserSnakeNight, APhonePicksAndTheBoardLightsTheNextCell) {
    if (const auto missing = missingBrowser()) {
        GTEST_SKIP() << *missing;
    }
    EXPECT_EQ(drive("snake", 14), 0);
    EXPECT_EQ(program.scalar("select count(*) from DraftTaken where playerid = 14"), 1.0);
}

}  // namespace quorvane::test
