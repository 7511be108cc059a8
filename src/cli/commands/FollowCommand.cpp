// SPDX-License-Identifier: MIT
#include <atomic>
#include <csignal>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "cli/CommandGroups.h"
#include "cli/commands/RoomCommandParts.h"
#include "online/EspnCookies.h"
#include "online/FollowDraft.h"
#include "online/FollowLoop.h"
#include "online/OpenRoom.h"
#include "online/RoomFiles.h"
#include "online/SleeperDrafts.h"
#include "platform/CurlTransfer.h"
#include "room/RecordPick.h"
#include "session/FollowConversation.h"
#include "session/ShowMessage.h"
#include "text/CheckedNumber.h"

namespace quorvane::cli {

namespace {

struct FollowOptions {
    std::string draft;
    std::string sleeper;
    std::string sleeperUser;
    std::string espn;
    std::string fantrax;
    std::optional<int> season;
    std::string cookies;
    bool once = false;
    bool stop = false;
    bool teams = false;
    std::vector<std::string> map;
    std::vector<std::string> players;
};

// The cookie file is the user's own; one larger than this is no cookie file.
constexpr std::size_t kLargestCookieFile = 64 * 1024;

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
    for (const DraftTeam& team : context.state.draftSettings()->draftTeams) {
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
            context.exitCode = context.usageError("--map takes ROOMTEAM=TEAMID, e.g. --map 3=12");
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
    if (!lines.empty() && !saveRosterMapping(context.state, *context.state.loadedDraft, lines)) {
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
        if (!saveNamedPlayer(context.state, *context.state.loadedDraft, pair->first,
                             pair->second)) {
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
                       pick.proTeam + ", " + pick.position + ", room player " + pick.playerId +
                       ") ";
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

// The room the options name; nullopt after a usage error.
std::optional<RoomLink> roomOf(CliContext& context, const FollowOptions& options) {
    const int named = !options.sleeper.empty() + !options.espn.empty() + !options.fantrax.empty();
    if (named != 1) {
        context.exitCode = context.usageError(
            "follow takes one room: --sleeper ID, --espn LEAGUEID --season "
            "YEAR or --fantrax LEAGUEID");
        return std::nullopt;
    }
    RoomLink link;
    if (!options.espn.empty()) {
        const std::optional<int> season = options.season;
        if (!season) {
            context.exitCode = context.usageError(
                "--espn needs --season YEAR, the year the season ends as ESPN counts (1990-2100)");
            return std::nullopt;
        }
        link = {RoomKind::Espn, options.espn, *season};
    } else if (!options.fantrax.empty()) {
        link = {RoomKind::Fantrax, options.fantrax, 0};
    } else {
        link = {RoomKind::Sleeper, options.sleeper, 0};
    }
    if (const std::string problem = roomLinkProblem(link); !problem.empty()) {
        context.exitCode = context.usageError(link.kind == RoomKind::Sleeper
                                                  ? "--sleeper takes the room's draft id (digits)"
                                                  : problem);
        return std::nullopt;
    }
    if (!options.cookies.empty() && link.kind != RoomKind::Espn) {
        context.exitCode = context.usageError("--cookies goes with --espn");
        return std::nullopt;
    }
    return link;
}

// Keeps the ESPN cookies of the file with the draft, where only the user can read them.
bool keepCookies(CliContext& context, const std::string& file) {
    std::string problem;
    const auto text = readFreshFile(file, std::chrono::hours(24 * 365 * 100), kLargestCookieFile);
    ParsedAnswer<EspnCookies> cookies;
    if (!text) {
        problem = "it cannot be read as a file of at most 64 KB";
    } else {
        cookies = parseEspnCookies(*text);
        problem = cookies.problem;
    }
    if (cookies.value &&
        saveDraftCookies(context.state.dataFolder, context.state.draftSettings()->template_id,
                         *cookies.value, problem)) {
        return true;
    }
    context.dialogs.showMessage("Error", "The cookie file " + file + " cannot be used: " + problem,
                                MessageIcon::Critical);
    context.exitCode = kExitFailed;
    return false;
}

int listUserDrafts(CliContext& context, const FollowOptions& options) {
    const std::optional<int> season = options.season ? options.season : currentSleeperSeason();
    if (!season) {
        return context.usageError("--season takes the year a season starts (1990-2100)");
    }
    if (!isSleeperUserName(options.sleeperUser)) {
        return context.usageError("--sleeper-user takes the Sleeper user name");
    }
    CurlTransfer transfer;
    const SleeperDraftList list = listSleeperDrafts(transfer, options.sleeperUser, *season);
    if (!list.message.empty()) {
        context.dialogs.showMessage("Follow Online Draft", list.message, MessageIcon::Exclamation);
        return kExitFailed;
    }
    context.writeCsv({"Draft", "League", "Kind", "Status"});
    for (const SleeperDraftEntry& entry : list.drafts) {
        context.writeCsv({entry.draftId, entry.league, entry.kind, entry.status});
    }
    return kExitDone;
}

// The room's teams, their names and the team of this draft each one is.
int listRoomTeams(CliContext& context, Room& room) {
    const RoomRead<RoomDraft> draft = room.readDraft();
    if (!draft.value) {
        showMessage(context.dialogs, roomUnreadable(context.state.dbConnection.log(), draft.reply));
        return kExitFailed;
    }
    const auto mapping = rosterMapping(context.state, *context.state.loadedDraft, *draft.value);
    if (!mapping) {
        return kExitFailed;
    }
    context.writeCsv({"Room team", "Name", "Team"});
    for (const RoomTeam& team : room.readTeams(*draft.value).value_or(std::vector<RoomTeam>{})) {
        const auto ours = mapping->find(team.number);
        context.writeCsv({std::to_string(team.number), team.name,
                          ours == mapping->end() ? "0" : std::to_string(ours->second)});
    }
    return kExitDone;
}

int runFollow(CliContext& context, const FollowOptions& options) {
    if (!options.sleeperUser.empty()) {
        return listUserDrafts(context, options);
    }
    const std::optional<RoomLink> link = roomOf(context, options);
    if (!link) {
        return context.exitCode;
    }
    return context.withDraft(options.draft, [&] {
        if (options.stop) {
            // After --once, or a follower that was killed: the banner goes back to the draft's own,
            // whichever room it followed.
            return CliContext::statusOf(
                saveChoices(context, options) &&
                markFollowing(context.state, *context.state.loadedDraft,
                              linkedRoom(context.state, *context.state.loadedDraft).value_or(*link),
                              false));
        }
        if (!linkRoom(context.state, *context.state.loadedDraft, *link)) {
            return kExitFailed;
        }
        if (!saveChoices(context, options)) {
            return context.exitCode;
        }
        if (!options.cookies.empty() && !keepCookies(context, options.cookies)) {
            return context.exitCode;
        }
        CurlTransfer transfer;
        SystemFollowClock clock;
        const std::unique_ptr<Room> room =
            openRoom(transfer, *link,
                     {context.state.dataFolder, context.state.draftSettings()->template_id,
                      [&clock] { return clock.epochMilliseconds(); }});
        if (options.teams) {
            return listRoomTeams(context, *room);
        }
        if (options.once) {
            const FollowSync sync = followDraft(context.state, context.dialogs, *room);
            writeSync(context, sync);
            return CliContext::statusOf(sync.outcome == FollowSync::Outcome::Synced);
        }
        FollowStatus::State shown = FollowStatus::State::Following;
        std::string shownNote;
        FollowLoop::Events events;
        events.synced = [&context](const FollowSync& sync) { writeSync(context, sync); };
        events.status = [&context, &clock, &shown, &shownNote](const FollowStatus& status) {
            if (status.state != shown || status.state == FollowStatus::State::Waiting ||
                status.note != shownNote) {
                context.err << followStatusLine(status, clock.now()) << '\n';
                shown = status.state;
                shownNote = status.note;
            }
        };
        const InterruptStops interrupt;
        FollowLoop loop = followLoopTold(context.state, context.dialogs, *room, clock, events);
        const FollowStatus status = loop.run(interrupted);
        return CliContext::statusOf(status.state == FollowStatus::State::Complete ||
                                    status.state == FollowStatus::State::Stopped);
    });
}

}  // namespace

void addFollowCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<FollowOptions>();
    CLI::App* follow = app.add_subcommand(
        "follow",
        "Follow an online draft room (a Sleeper draft, an ESPN or Fantrax league): record every "
        "pick made there (player matched by name, team and position; team by the mapping; first "
        "open slot; auction price), a line per pick, until the room's draft is complete or "
        "Ctrl+C; the addresses come from QUORVANE_SLEEPER_URL, QUORVANE_ESPN_URL and "
        "QUORVANE_FANTRAX_URL when set");
    follow->add_option("DRAFT", options->draft, "Draft id or name")->required();
    follow->add_option("--sleeper", options->sleeper, "The Sleeper draft id")->type_name("ID");
    follow
        ->add_option("--sleeper-user", options->sleeperUser,
                     "List the Sleeper user's drafts of the season (id, league, kind, status)")
        ->type_name("NAME");
    follow->add_option("--espn", options->espn, "The ESPN league id (with --season)")
        ->type_name("LEAGUEID");
    follow
        ->add_option("--season", options->season,
                     "ESPN: the year the season ends; --sleeper-user: the year it starts "
                     "(default: this season)")
        ->check(CLI::Range(kFirstRoomSeason, kLastRoomSeason));
    follow
        ->add_option("--cookies", options->cookies,
                     "ESPN: a file with espn_s2=... and SWID={...} lines for a private league; "
                     "kept with the draft, readable only by you")
        ->type_name("FILE");
    follow->add_option("--fantrax", options->fantrax, "The Fantrax league id")
        ->type_name("LEAGUEID");
    follow->add_flag("--once", options->once, "Record what the room has now and exit");
    follow->add_flag("--stop", options->stop,
                     "Mark the draft as no longer followed (the banner shows its own clock)");
    follow->add_flag("--teams", options->teams,
                     "List the room's teams, their names and the team of the draft each one is");
    follow
        ->add_option("--map", options->map,
                     "ROOMTEAM=TEAMID: the room's team (a Sleeper roster, an ESPN team id, the "
                     "number --teams shows) is this team of the draft (saved)")
        ->type_name("ROOMTEAM=TEAMID");
    follow
        ->add_option("--player", options->players,
                     "ROOMPLAYERID=PLAYERID: the room's player is this player (saved)")
        ->type_name("ROOMPLAYERID=PLAYERID");
    follow->callback([&context, options] { context.exitCode = runFollow(context, *options); });
}

}  // namespace quorvane::cli
