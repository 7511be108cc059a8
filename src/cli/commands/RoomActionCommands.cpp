// SPDX-License-Identifier: MIT
#include <algorithm>
#include <array>
#include <cctype>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "cli/commands/RoomCommandParts.h"
#include "projections/Exports.h"
#include "room/CustomPlayers.h"
#include "room/Keepers.h"
#include "room/MovePlayer.h"
#include "room/RecordPick.h"
#include "room/RefreshMain.h"
#include "room/Turns.h"
#include "session/CustomPlayerConversation.h"
#include "session/KeeperConversation.h"
#include "session/MarkConversation.h"
#include "session/MoveConversation.h"
#include "session/ProjectionConversation.h"
#include "session/RoomRefresh.h"
#include "session/ShowMessage.h"
#include "session/TurnConversation.h"
#include "session/TurnNews.h"
#include "text/LetterCase.h"

namespace quorvane::cli {

namespace {

// The options a pick, a keeper and a move share. Empty text means "as the window preselects".
struct PickOptions {
    std::string draft;
    std::string player;
    std::string team;
    std::string pos;
    std::string dollars;
};

void addPickOptions(CLI::App* command, PickOptions& options, bool teamRequired) {
    auto* team = command->add_option("--team", options.team, "Team id");
    if (teamRequired) {
        team->required();
    }
    command->add_option("--pos", options.pos, "Roster slot: C, G, PG, SG, F, PF, SF, UT or R");
    command->add_option("--dollars", options.dollars, "Price (auctions)");
}

// The windows offer only the draft's own teams and the nine slots; the command line is held to
// the same. Empty options stay empty. False after the usage error was written.
bool checkPickOptions(CliContext& context, PickOptions& options) {
    if (!options.team.empty()) {
        const auto teamid = parseId(options.team);
        bool known = false;
        for (const DraftTeam& team : context.state.draftSettings()->draftTeams) {
            known = known || (teamid && team.teamid == *teamid);
        }
        if (!known) {
            context.exitCode = context.usageError("--team must be the id of a team of the draft");
            return false;
        }
    }
    if (!options.pos.empty()) {
        const std::string upper = upperText(options.pos);
        // The windows list only the slots the draft has.
        const DraftSettings& draft = *context.state.draftSettings();
        if (slotCount(draft, upper).value_or(0) < 1) {
            context.exitCode = context.usageError("--pos must be one of the draft's slots: " +
                                                  joined(slotChoices(draft), ", "));
            return false;
        }
        options.pos = upper;
    }
    return true;
}

bool noPlayer(CliContext& context, const std::string& player) {
    context.dialogs.showMessage("Error", "No player with the id " + player, MessageIcon::Critical);
    return false;
}

// Flags and notes belong to the players of the projection season.
bool playerExists(CliContext& context, int playerid) {
    return showPlayer(context.state, playerid).has_value() ||
           noPlayer(context, std::to_string(playerid));
}

// Records the pick of an add-player window opened for `playerid`.
int recordFromWindow(CliContext& context, int playerid, const PickOptions& options,
                     std::optional<int> preselectTeam) {
    // The command shows neither the window's roster nor the lists a pick changes.
    const auto window = openPickChoices(context.state, playerid, preselectTeam);
    if (!window) {
        noPlayer(context, std::to_string(playerid));
        return kExitFailed;
    }
    PickForm form = window->form();
    if (!options.team.empty()) {
        const auto teamid = parseId(options.team);
        if (!teamid) {
            return context.usageError("--team must be a team id");
        }
        form.teamid = *teamid;
    }
    if (!options.pos.empty()) {
        form.pos = options.pos;
    }
    form.dollars = options.dollars;
    const PickResult result = storePick(context.state, context.dialogs, playerid, form);
    if (result.outcome != PickOutcome::Recorded) {
        return kExitFailed;
    }
    context.out << result.draftorder << '\n';
    return kExitDone;
}

int runPick(CliContext& context, const PickOptions& options) {
    const auto playerid = parseId(options.player);
    if (!playerid) {
        return context.usageError("PLAYERID must be a player id");
    }
    return context.withDraft(options.draft, [&] {
        PickOptions checked = options;
        if (!checkPickOptions(context, checked)) {
            return context.exitCode;
        }
        return recordFromWindow(context, *playerid, checked, std::nullopt);
    });
}

int runSkip(CliContext& context, const std::string& draft) {
    return context.withDraft(draft, [&] {
        const auto change = skipTurnTold(context.state, context.dialogs, PlayerListView{});
        if (!change) {
            return kExitFailed;
        }
        context.out << change->news << '\n';
        return kExitDone;
    });
}

int runUndo(CliContext& context, const std::string& draft) {
    return context.withDraft(draft, [&] {
        const auto change = undoLastPickTold(context.state, context.dialogs, PlayerListView{});
        if (!change) {
            return kExitFailed;
        }
        context.out << change->news << '\n';
        return kExitDone;
    });
}

int runKeeper(CliContext& context, PickOptions options) {
    const auto playerid = parseId(options.player);
    const auto teamid = parseId(options.team);
    if (!playerid || !teamid) {
        return context.usageError("keeper DRAFT PLAYERID --team TEAMID");
    }
    return context.withDraft(options.draft, [&] {
        if (!checkPickOptions(context, options)) {
            return context.exitCode;
        }
        const auto dialog = openKeeperDialog(context.state, context.dialogs, *playerid);
        if (!dialog) {
            return kExitFailed;
        }
        if (dialog->playerName.empty()) {
            noPlayer(context, options.player);
            return kExitFailed;
        }
        const std::string pos =
            options.pos.empty() ? dialog->positions.selectedText() : options.pos;
        const KeeperOutcome outcome =
            addKeeper(context.state, context.dialogs, *playerid, *teamid, pos, options.dollars);
        return CliContext::statusOf(outcome == KeeperOutcome::Added);
    });
}

int runRemoveKeeper(CliContext& context, const std::string& draft, const std::string& player) {
    const auto playerid = parseId(player);
    if (!playerid) {
        return context.usageError("PLAYERID must be a player id");
    }
    return context.withDraft(draft, [&] {
        if (!isKeeper(context.state, context.dialogs, *playerid)) {
            context.dialogs.showMessage("Error",
                                        "Player " + player + " is not a keeper of this draft",
                                        MessageIcon::Critical);
            return kExitFailed;
        }
        return CliContext::statusOf(removeKeeper(context.state, context.dialogs, *playerid));
    });
}

int runMove(CliContext& context, PickOptions options) {
    const auto playerid = parseId(options.player);
    if (!playerid) {
        return context.usageError("PLAYERID must be a player id");
    }
    return context.withDraft(options.draft, [&] {
        if (!checkPickOptions(context, options)) {
            return context.exitCode;
        }
        const int ownTeam = teamOfPlayer(context.state, *playerid);
        const auto form = openMovePlayer(context.state, *playerid, ownTeam);
        if (!form) {
            context.dialogs.showMessage("Error", "Player " + options.player + " is on no team",
                                        MessageIcon::Critical);
            return kExitFailed;
        }
        int teamid = ownTeam;
        if (!options.team.empty()) {
            const auto chosen = parseId(options.team);
            if (!chosen) {
                return context.usageError("--team must be a team id");
            }
            teamid = *chosen;
        }
        const std::string pos = options.pos.empty() ? form->positions.selectedText() : options.pos;
        const std::string dollars = options.dollars.empty() ? form->dollars : options.dollars;
        const MoveResult result =
            changePlayer(context.state, context.dialogs, *playerid, teamid, pos, dollars);
        return CliContext::statusOf(result.outcome == MoveOutcome::Changed);
    });
}

int runDrop(CliContext& context, const std::string& draft, const std::string& player) {
    const auto playerid = parseId(player);
    if (!playerid) {
        return context.usageError("PLAYERID must be a player id");
    }
    return context.withDraft(draft, [&] {
        const int teamid = teamOfPlayer(context.state, *playerid);
        if (teamid == 0) {
            context.dialogs.showMessage("Error", "Player " + player + " is on no team",
                                        MessageIcon::Critical);
            return kExitFailed;
        }
        const MoveResult result = dropPlayer(context.state, context.dialogs, *playerid, teamid);
        return CliContext::statusOf(result.outcome == MoveOutcome::Changed);
    });
}

struct AddPlayerOptions {
    CustomPlayer player;
    PickOptions pick;
};

int runAddPlayer(CliContext& context, const AddPlayerOptions& options) {
    const bool toTeam = !options.pick.team.empty();
    if (toTeam && options.pick.draft.empty()) {
        return context.usageError("--team needs --draft");
    }
    std::optional<int> teamid;
    if (toTeam) {
        teamid = parseId(options.pick.team);
        if (!teamid) {
            return context.usageError("--team must be a team id");
        }
    }
    if (!options.pick.draft.empty() ? !context.loadDraftArgument(options.pick.draft)
                                    : !context.openStore()) {
        return kExitFailed;
    }
    PickOptions checked = options.pick;
    if (context.state.draftSettings() && !checkPickOptions(context, checked)) {
        return context.exitCode;
    }
    const auto playerid = addCustomPlayer(context.state, context.dialogs, options.player);
    if (!playerid) {
        return kExitFailed;
    }
    context.out << *playerid << '\n';
    int status = kExitDone;
    if (toTeam) {
        PickOptions pick = checked;
        pick.team.clear();  // the team is preselected as the custom-player window hands it over
        status = recordFromWindow(context, *playerid, pick, teamid);
    }
    if (context.state.draftSettings()) {
        refreshMain(context.state, context.dialogs, PlayerListView{});
    }
    return status;
}

int runFlag(CliContext& context, const std::string& player, const std::string& flagName) {
    const auto playerid = parseId(player);
    if (!playerid) {
        return context.usageError("PLAYERID must be a player id");
    }
    const char* const names[] = {"none", "sleeper", "bust", "upside"};
    int flag = -1;
    for (int i = 0; i < 4; ++i) {
        if (flagName == names[i]) {
            flag = i;
        }
    }
    if (flag < 0) {
        return context.usageError("the flag must be none, sleeper, bust or upside");
    }
    if (!context.openStore() || !playerExists(context, *playerid)) {
        return kExitFailed;
    }
    return CliContext::statusOf(setPlayerFlag(context.state, *playerid, flag));
}

int runNote(CliContext& context, const std::string& player, const std::string& text) {
    const auto playerid = parseId(player);
    if (!playerid) {
        return context.usageError("PLAYERID must be a player id");
    }
    if (!context.openStore() || !playerExists(context, *playerid)) {
        return kExitFailed;
    }
    if (const auto refusal = playerNoteRefusal(text)) {
        context.dialogs.showMessage(refusal->title, refusal->text, refusal->icon);
        return kExitFailed;
    }
    return CliContext::statusOf(savePlayerNote(context.state, *playerid, text));
}

int runDraftNotes(CliContext& context, const std::string& draft,
                  const std::optional<std::string>& text) {
    return context.withDraft(draft, [&] {
        if (text) {
            return CliContext::statusOf(saveDraftNotes(context.state, context.dialogs, *text));
        }
        const auto notes = shown(context.dialogs, loadDraftNotes(context.state));
        if (!notes) {
            return kExitFailed;
        }
        context.out << *notes << '\n';
        return kExitDone;
    });
}

int runExportCommand(CliContext& context, const std::string& draft, const std::string& kind,
                     const std::string& folder, bool force) {
    const auto exportKind = exportKindOf(kind == "projections" ? "hprojections"
                                         : kind == "rosters"   ? "roster"
                                                               : kind);
    if (!exportKind || kind == "hprojections") {
        return context.usageError("--kind must be roster, draft or projections");
    }
    if (folder.empty()) {
        return context.usageError("--dir must name a folder");
    }
    return context.withDraft(draft, [&] {
        return CliContext::statusOf(
            runExport(context.state, context.dialogs, *exportKind, folder, force));
    });
}

}  // namespace

void addRoomActionCommands(CLI::App& app, CliContext& context) {
    auto* pick = app.add_subcommand("pick", "Record a pick");
    auto pickOptions = std::make_shared<PickOptions>();
    pick->add_option("DRAFT", pickOptions->draft, "Draft id or name")->required();
    pick->add_option("PLAYERID", pickOptions->player, "Player id")->required();
    addPickOptions(pick, *pickOptions, false);
    pick->callback([&context, pickOptions] { context.exitCode = runPick(context, *pickOptions); });

    auto* skip = app.add_subcommand("skip", "Skip the pick of the team on the clock");
    auto skipDraft = std::make_shared<std::string>();
    skip->add_option("DRAFT", *skipDraft, "Draft id or name")->required();
    skip->callback([&context, skipDraft] { context.exitCode = runSkip(context, *skipDraft); });

    auto* undo = app.add_subcommand(
        "undo", "Undo the last entry of the turn history: a pick, a skip or a keeper");
    auto undoDraft = std::make_shared<std::string>();
    undo->add_option("DRAFT", *undoDraft, "Draft id or name")->required();
    undo->callback([&context, undoDraft] { context.exitCode = runUndo(context, *undoDraft); });

    auto* keeper = app.add_subcommand("keeper", "Add a keeper to a team");
    auto keeperOptions = std::make_shared<PickOptions>();
    keeper->add_option("DRAFT", keeperOptions->draft, "Draft id or name")->required();
    keeper->add_option("PLAYERID", keeperOptions->player, "Player id")->required();
    addPickOptions(keeper, *keeperOptions, true);
    keeper->callback(
        [&context, keeperOptions] { context.exitCode = runKeeper(context, *keeperOptions); });

    auto* removeKeeperCommand = app.add_subcommand("remove-keeper", "Remove a keeper");
    auto removeOptions = std::make_shared<PickOptions>();
    removeKeeperCommand->add_option("DRAFT", removeOptions->draft, "Draft id or name")->required();
    removeKeeperCommand->add_option("PLAYERID", removeOptions->player, "Player id")->required();
    removeKeeperCommand->callback([&context, removeOptions] {
        context.exitCode = runRemoveKeeper(context, removeOptions->draft, removeOptions->player);
    });

    auto* move = app.add_subcommand("move", "Change a drafted player's team, slot or price");
    auto moveOptions = std::make_shared<PickOptions>();
    move->add_option("DRAFT", moveOptions->draft, "Draft id or name")->required();
    move->add_option("PLAYERID", moveOptions->player, "Player id")->required();
    addPickOptions(move, *moveOptions, false);
    move->callback([&context, moveOptions] { context.exitCode = runMove(context, *moveOptions); });

    auto* drop = app.add_subcommand("drop", "Drop a player from his team");
    auto dropOptions = std::make_shared<PickOptions>();
    drop->add_option("DRAFT", dropOptions->draft, "Draft id or name")->required();
    drop->add_option("PLAYERID", dropOptions->player, "Player id")->required();
    drop->callback([&context, dropOptions] {
        context.exitCode = runDrop(context, dropOptions->draft, dropOptions->player);
    });

    auto* addPlayer = app.add_subcommand("add-player", "Add a player missing from the projections");
    auto addOptions = std::make_shared<AddPlayerOptions>();
    addPlayer->add_option("--first", addOptions->player.firstname, "First name")->required();
    addPlayer->add_option("--last", addOptions->player.lastname, "Last name")->required();
    addPlayer->add_option("--pos", addOptions->player.pos, "C, PG, SG, PF or SF")
        ->required()
        ->check(CLI::IsMember(
            std::vector<std::string>(std::begin(kCustomPositions), std::end(kCustomPositions))));
    addPlayer->add_option("--nba-team", addOptions->player.team, "NBA team")->required();
    addPlayer->add_option("--draft", addOptions->pick.draft, "Draft to add him to");
    addPlayer->add_option("--team", addOptions->pick.team, "Team id to record him for");
    addPlayer->add_option("--slot", addOptions->pick.pos, "Roster slot of the pick");
    addPlayer->add_option("--dollars", addOptions->pick.dollars, "Price of the pick");
    addPlayer->callback(
        [&context, addOptions] { context.exitCode = runAddPlayer(context, *addOptions); });

    auto* flag = app.add_subcommand("flag", "Flag a player");
    auto flagArguments = std::make_shared<std::pair<std::string, std::string>>();
    flag->add_option("PLAYERID", flagArguments->first, "Player id")->required();
    flag->add_option("FLAG", flagArguments->second, "none, sleeper, bust or upside")->required();
    flag->callback([&context, flagArguments] {
        context.exitCode = runFlag(context, flagArguments->first, flagArguments->second);
    });

    auto* note = app.add_subcommand("note", "Set a player's note");
    auto noteArguments = std::make_shared<std::pair<std::string, std::string>>();
    note->add_option("PLAYERID", noteArguments->first, "Player id")->required();
    note->add_option("TEXT", noteArguments->second, "The note")->required();
    note->callback([&context, noteArguments] {
        context.exitCode = runNote(context, noteArguments->first, noteArguments->second);
    });

    auto* draftNotes = app.add_subcommand("draft-notes", "Print or set the draft's notes");
    auto notesDraft = std::make_shared<std::string>();
    auto notesText = std::make_shared<std::optional<std::string>>();
    draftNotes->add_option("DRAFT", *notesDraft, "Draft id or name")->required();
    auto* textOption = draftNotes->add_option("TEXT", *notesText, "New notes");
    draftNotes->callback([&context, notesDraft, notesText, textOption] {
        context.exitCode = runDraftNotes(context, *notesDraft,
                                         textOption->count() > 0 ? *notesText : std::nullopt);
    });

    auto* exportCommand = app.add_subcommand("export", "Write an export file");
    auto exportArguments = std::make_shared<std::array<std::string, 3>>();
    exportCommand->add_option("DRAFT", (*exportArguments)[0], "Draft id or name")->required();
    exportCommand->add_option("--kind", (*exportArguments)[1], "roster, draft or projections")
        ->required();
    exportCommand->add_option("--dir", (*exportArguments)[2], "Folder to write into")->required();
    auto force = std::make_shared<bool>(false);
    exportCommand->add_flag("--force", *force, "Replace an export file written before");
    exportCommand->callback([&context, exportArguments, force] {
        context.exitCode = runExportCommand(context, (*exportArguments)[0], (*exportArguments)[1],
                                            (*exportArguments)[2], *force);
    });
}

}  // namespace quorvane::cli
