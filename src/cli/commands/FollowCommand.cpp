// SPDX-License-Identifier: MIT
#include <atomic>
#include <csignal>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "app/CurlTransfer.h"
#include "cli/CliContext.h"
#include "cli/CommandGroups.h"
#include "cli/commands/RoomCommandParts.h"
#include "follow/FollowDraft.h"
#include "follow/FollowLoop.h"
#include "follow/SleeperRoom.h"
#include "room/RecordPick.h"

namespace quorvane::cli {

namespace {

struct FollowOptions {
    std::string draft;
    std::string sleeper;
    bool once = false;
    bool stop = false;
    std::vector<std::string> map;
    std::vector<std::string> players;
};

// Set by Ctrl+C; a signal handler can reach nothing else.
std::atomic<bool> interrupted{false};

extern "C" void stopFollowing(int) {
    interrupted.store(true);
}

// Ctrl+C ends the follow between two requests instead of ending the program mid-pick.
class InterruptStops {
  public:
    InterruptStops() {
        interrupted.store(false);
        m_previous = std::signal(SIGINT, &stopFollowing);
    }
    ~InterruptStops() { std::signal(SIGINT, m_previous); }
    InterruptStops(const InterruptStops&) = delete;
    InterruptStops& operator=(const InterruptStops&) = delete;

  private:
    void (*m_previous)(int) = SIG_DFL;
};

// "KEY=VALUE" with a whole-number value (and a whole-number key when asked).
std::optional<std::pair<std::string, int>> splitPair(const std::string& text, bool numericKey) {
    const auto equals = text.find('=');
    if (equals == std::string::npos || equals == 0) {
        return std::nullopt;
    }
    const std::string key = text.substr(0, equals);
    const auto value = parseId(text.substr(equals + 1));
    if (!value || (numericKey && !parseId(key))) {
        return std::nullopt;
    }
    return std::pair{key, *value};
}

bool isTeamOfDraft(const CliContext& context, int teamid) {
    for (const DraftTeam& team : context.state.draftSettings->draftTeams) {
        if (team.teamid == teamid) {
            return true;
        }
    }
    return false;
}

// Saves the mapping lines and the named players the command line gives; false after a refusal.
bool saveChoices(CliContext& context, const FollowOptions& options) {
    std::map<int, int> lines;
    for (const std::string& text : options.map) {
        const auto pair = splitPair(text, true);
        if (!pair) {
            context.exitCode = context.usageError("--map takes ROSTER=TEAMID, e.g. --map 3=12");
            return false;
        }
        if (!isTeamOfDraft(context, pair->second)) {
            context.dialogs.showMessage(
                "Error", "Team " + std::to_string(pair->second) + " is not a team of this draft",
                MessageIcon::Critical);
            context.exitCode = kExitFailed;
            return false;
        }
        lines[*parseId(pair->first)] = pair->second;
    }
    if (!lines.empty() && !saveRosterMapping(context.state, lines)) {
        context.exitCode = kExitFailed;
        return false;
    }
    for (const std::string& text : options.players) {
        const auto pair = splitPair(text, false);
        if (!pair) {
            context.exitCode =
                context.usageError("--player takes ROOMPLAYERID=PLAYERID, e.g. --player 4760=4351");
            return false;
        }
        if (!showPlayer(context.state, pair->second)) {
            context.dialogs.showMessage("Error",
                                        "Player " + std::to_string(pair->second) + " not found",
                                        MessageIcon::Critical);
            context.exitCode = kExitFailed;
            return false;
        }
        if (!saveNamedPlayer(context.state, pair->first, pair->second)) {
            context.exitCode = kExitFailed;
            return false;
        }
    }
    return true;
}

void writeSync(CliContext& context, const FollowSync& sync) {
    for (const SyncedPick& pick : sync.undone) {
        context.out << pick.line << '\n';
    }
    for (const SyncedPick& pick : sync.recorded) {
        context.out << pick.line << '\n';
    }
    context.out.flush();
    if (!sync.unmatched) {
        return;
    }
    const RoomPick& pick = sync.unmatched->pick;
    std::string text = "Pick " + std::to_string(pick.pickNo) + ": " + pick.fullName() + " (" +
                       pick.team + ", " + pick.position + ", room player " + pick.playerId + ") ";
    if (sync.unmatched->candidates.empty()) {
        text += "matches no player.";
    } else {
        text += "matches several players:";
        for (const int playerid : sync.unmatched->candidates) {
            text += " " + std::to_string(playerid) + " " +
                    showPlayer(context.state, playerid).value_or("?") + ";";
        }
    }
    text += " Name him with --player " + pick.playerId + "=PLAYERID and follow again.";
    context.dialogs.showMessage("Follow Online Draft", text, MessageIcon::Exclamation);
}

int runFollow(CliContext& context, const FollowOptions& options) {
    if (!isRoomDraftId(options.sleeper)) {
        return context.usageError("--sleeper takes the room's draft id (digits)");
    }
    if (!context.loadDraftArgument(options.draft)) {
        return kExitFailed;
    }
    if (!saveChoices(context, options)) {
        return context.exitCode;
    }
    if (options.stop) {
        // After --once, or a follower that was killed: the banner goes back to the draft's own.
        return CliContext::statusOf(markFollowing(context.state, options.sleeper, false));
    }
    CurlTransfer transfer;
    if (options.once) {
        SleeperRoom room(transfer, options.sleeper);
        const FollowSync sync = followDraft(context.state, context.dialogs, room);
        writeSync(context, sync);
        return CliContext::statusOf(sync.outcome == FollowSync::Outcome::Synced);
    }
    SystemFollowClock clock;
    SleeperRoom room(transfer, options.sleeper, sleeperBaseUrl(),
                     [&clock] { return clock.epochMilliseconds(); });
    FollowStatus::State shown = FollowStatus::State::Following;
    FollowLoop::Events events;
    events.synced = [&context](const FollowSync& sync) { writeSync(context, sync); };
    events.status = [&context, &clock, &shown](const FollowStatus& status) {
        if (status.state != shown || status.state == FollowStatus::State::Waiting) {
            context.err << followStatusLine(status, clock.now()) << '\n';
            shown = status.state;
        }
    };
    const InterruptStops interrupt;
    FollowLoop loop(context.state, context.dialogs, room, clock, events);
    const FollowStatus status = loop.run(interrupted);
    return CliContext::statusOf(status.state == FollowStatus::State::Complete ||
                                status.state == FollowStatus::State::Stopped);
}

}  // namespace

void addFollowCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<FollowOptions>();
    CLI::App* follow = app.add_subcommand(
        "follow",
        "Follow a Sleeper draft room: record every pick made there (player matched by name, team "
        "and position; team by the roster mapping; first open slot; auction price), a line per "
        "pick, until the room's draft is complete or Ctrl+C; the address comes from "
        "QUORVANE_SLEEPER_URL when set");
    follow->add_option("DRAFT", options->draft, "Draft id or name")->required();
    follow->add_option("--sleeper", options->sleeper, "The Sleeper draft id")
        ->required()
        ->type_name("ID");
    follow->add_flag("--once", options->once, "Record what the room has now and exit");
    follow->add_flag("--stop", options->stop,
                     "Mark the draft as no longer followed (the banner shows its own clock)");
    follow
        ->add_option("--map", options->map,
                     "ROSTER=TEAMID: the room's roster is this team of the draft (saved)")
        ->type_name("ROSTER=TEAMID");
    follow
        ->add_option("--player", options->players,
                     "ROOMPLAYERID=PLAYERID: the room's player is this player (saved)")
        ->type_name("ROOMPLAYERID=PLAYERID");
    follow->callback([&context, options] { context.exitCode = runFollow(context, *options); });
}

}  // namespace quorvane::cli
