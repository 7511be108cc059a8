// SPDX-License-Identifier: MIT
#include "model/DraftModelLoader.h"

#include <string_view>
#include <utility>

#include "model/DraftModelCache.h"
#include "model/Punts.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/AdpRows.h"
#include "store/DataVersion.h"
#include "store/DraftRows.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

constexpr std::string_view kLoadFailed = " 91001 error: could not load the draft for advice";

static_assert(std::tuple_size_v<decltype(PlayerSeasonRow::stats)> == kStatColumnCount,
              "the store reads one column per StatColumn, in its order");

constexpr std::array<std::uint8_t, 5> kPositionBits = {kPositionPG, kPositionSG, kPositionSF,
                                                       kPositionPF, kPositionC};

ModelPlayer playerOf(PlayerSeasonRow&& row) {
    ModelPlayer player;
    player.playerid = row.playerid;
    player.yearofprojection = row.yearofprojection;
    player.firstname = std::move(row.firstname);
    player.lastname = std::move(row.lastname);
    player.pos = std::move(row.pos);
    player.positionColumns = {row.PG, row.SG, row.SF, row.PF, row.C};
    for (std::size_t i = 0; i < kPositionBits.size(); ++i) {
        if (player.positionColumns[i] > 0) {
            player.positions |= kPositionBits[i];
        }
    }
    player.projected = row.stat_indicator == "P" && row.C >= 0;
    player.stats = row.stats;
    player.dollars = row.dollars;
    player.rank = static_cast<int>(row.draftorder);
    player.team = std::move(row.team);
    player.dob = std::move(row.dob);
    player.notes = std::move(row.notes);
    player.flag = static_cast<int>(row.flag);
    player.firstnameMissing = row.firstnameMissing;
    player.lastnameMissing = row.lastnameMissing;
    player.posMissing = row.posMissing;
    player.storedOrder = row.rowid;
    return player;
}

// The season's average draft positions and the draft's spread around them.
bool readAdp(Connection& connection, int templateId, DraftModel& model) {
    const std::optional<std::vector<MeanAdpRow>> adp =
        readMeanAdp(connection, model.projectionYear);
    bool failed = false;
    const std::optional<double> spread =
        adp ? readAdpSpread(connection, templateId, failed) : std::nullopt;
    if (!adp || failed) {
        return false;
    }
    for (const MeanAdpRow& row : *adp) {
        if (ModelPlayer* player = model.findPlayer(row.playerid)) {
            player->adp = row.adp;
            player->aav = row.aav;
        }
    }
    model.seasonHasAdp = !adp->empty();
    model.adpSpread = spread.value_or(kDefaultAdpSpread);
    return true;
}

// The open draft's settings, kept alive by the loaded draft they belong to.
std::shared_ptr<const DraftSettings> sharedSettings(const ProgramState& state) {
    return {state.loadedDraft, &*state.loadedDraft->draftSettings};
}

}  // namespace

void readSettings(const DraftSettings& settings, DraftModel& model) {
    readSettings(std::make_shared<const DraftSettings>(settings), model);
}

void readSettings(std::shared_ptr<const DraftSettings> shared, DraftModel& model) {
    const DraftSettings& settings = *shared;
    model.template_id = settings.template_id;
    model.drafttype = settings.drafttype;
    model.scoringstyle = settings.scoringstyle;
    model.cap = settings.dollars;
    model.minbid = settings.minbid;
    model.rounds = settings.rounds();
    model.direction = settings.draftdirection;
    model.startingSlots = settings.rosterSize() - settings.R;
    model.headToHeadMode = settings.headToHead.mode;
    model.gamesPerWeek = settings.headToHead.gamesPerWeek;
    for (std::size_t kind = 0; kind < kSlotKinds; ++kind) {
        model.slotCounts[kind] = slotCountOf(settings, kind);
    }
    std::vector<int> punts = puntedCategories(model);
    model.categories.clear();
    for (const CategoryWeight& weight : settings.categories) {
        if (const CategoryDefinition* definition = findCategory(weight.categoryid)) {
            model.categories.push_back({definition, &categoryFormula(*definition), weight.points,
                                        false,
                                        varianceRatioOf(settings.headToHead, weight.categoryid)});
        }
    }
    setPunts(model, punts);
    model.teams.clear();
    for (const DraftTeam& team : settings.draftTeams) {
        model.teams.push_back({team.teamid, team.teamname, team.draftposition, team.owner == 1,
                               team.currentpick == 1});
    }
    model.settings = std::move(shared);
}

void applyPickRows(const std::vector<PickRow>& rows, DraftModel& model) {
    for (const ModelPick& pick : model.picks) {
        if (ModelPlayer* player = model.findPlayer(pick.playerid)) {
            player->teamid = 0;
            player->slot.clear();
            player->pickNumber = 0;
            player->price = 0.0;
        }
    }
    model.picks.clear();
    model.picks.reserve(rows.size());
    for (const PickRow& row : rows) {
        const std::string slot = row.pos ? upperText(*row.pos) : std::string();
        const int pickNumber = static_cast<int>(row.draftorder);
        if (ModelPlayer* player = model.findPlayer(row.playerid)) {
            player->teamid = row.teamid;
            player->slot = slot;
            player->pickNumber = pickNumber;
            player->price = row.dollars;
        }
        // The pick keeps the slot as stored: the valuation and the standings compare it as
        // the file holds it.
        model.picks.push_back({row.playerid, row.teamid, row.pos.value_or(std::string()),
                               !row.pos.has_value(), pickNumber, row.dollars});
    }
}

bool holdsPickRows(const DraftModel& model, const std::vector<PickRow>& rows) {
    if (model.picks.size() != rows.size()) {
        return false;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ModelPick& pick = model.picks[i];
        const PickRow& row = rows[i];
        if (pick.playerid != row.playerid || pick.teamid != row.teamid ||
            pick.pickNumber != row.draftorder || pick.price != row.dollars ||
            pick.slotMissing == row.pos.has_value() || (row.pos && pick.slot != *row.pos)) {
            return false;
        }
    }
    return true;
}

std::optional<DraftModel> readDraftModel(ProgramState& state, UserDialogs& dialogs) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    Connection& connection = state.dbConnection;
    // Noted before the rows are read: a commit that falls between is read again, never missed.
    const std::optional<std::int64_t> version = dataVersion(connection);
    std::optional<std::vector<PlayerSeasonRow>> rows = readPlayerSeasonRows(connection);
    const std::optional<std::vector<PickRow>> picks =
        rows ? readPickRows(connection, state.draftSettings()->template_id) : std::nullopt;
    if (!picks) {
        reportDatabaseError(dialogs, connection, kLoadFailed);
        return std::nullopt;
    }
    const std::optional<std::vector<int>> punts = readPunts(state, dialogs);
    if (!punts) {
        return std::nullopt;
    }
    DraftModel model;
    model.dataVersion = version;
    model.projectionYear = state.projectionYear;
    for (PlayerSeasonRow& row : *rows) {
        const bool projection = row.yearofprojection == state.projectionYear;
        (projection ? model.players : model.otherSeasons).push_back(playerOf(std::move(row)));
    }
    if (!readAdp(connection, state.draftSettings()->template_id, model)) {
        reportDatabaseError(dialogs, connection, kLoadFailed);
        return std::nullopt;
    }
    applyPickRows(*picks, model);
    readSettings(sharedSettings(state), model);
    setPunts(model, *punts);
    return model;
}

const DraftModel* currentDraftModel(ProgramState& state, UserDialogs& dialogs) {
    if (!state.draftSettings()) {
        return nullptr;
    }
    if (!state.draftModel) {
        state.draftModel = std::make_shared<DraftModelCache>();
    }
    DraftModelCache& cache = *state.draftModel;
    if (!cache.holds(state.dbConnection, state.draftSettings()->template_id,
                     state.projectionYear)) {
        std::optional<DraftModel> model = readDraftModel(state, dialogs);
        if (!model) {
            cache.forget();
            return nullptr;
        }
        cache.keep(state.dbConnection, std::move(*model));
    }
    DraftModel* model = cache.model();
    if (model->settings.get() != &*state.draftSettings()) {
        readSettings(sharedSettings(state), *model);
    }
    return model;
}

DraftModel* heldDraftModel(ProgramState& state, UserDialogs& dialogs) {
    return currentDraftModel(state, dialogs) != nullptr ? state.draftModel->model() : nullptr;
}

void settleDraftModel(ProgramState& state, bool committed) {
    if (!state.draftModel) {
        return;
    }
    if (committed) {
        state.draftModel->acceptOwnChanges(state.dbConnection);
    } else {
        state.draftModel->forget();
    }
}

bool heldModelIsCurrent(ProgramState& state) {
    return state.draftSettings() && state.draftModel &&
           state.draftModel->holds(state.dbConnection, state.draftSettings()->template_id,
                                   state.projectionYear);
}

void keepOwnChange(ProgramState& state, bool wasCurrent,
                   const std::function<void(DraftModel&)>& change) {
    if (!wasCurrent || !state.draftModel || state.draftModel->model() == nullptr) {
        return;
    }
    change(*state.draftModel->model());
    state.draftModel->acceptOwnChanges(state.dbConnection);
}

std::optional<std::vector<ModelPlayer>> readModelPlayerRows(Connection& connection, int playerid) {
    std::optional<std::vector<PlayerSeasonRow>> rows = readPlayerSeasonRowsOf(connection, playerid);
    if (!rows) {
        return std::nullopt;
    }
    std::vector<ModelPlayer> players;
    players.reserve(rows->size());
    for (PlayerSeasonRow& row : *rows) {
        players.push_back(playerOf(std::move(row)));
    }
    return players;
}

std::optional<DraftModel> loadDraftModel(ProgramState& state, UserDialogs& dialogs) {
    const DraftModel* model = currentDraftModel(state, dialogs);
    if (model == nullptr) {
        return std::nullopt;
    }
    return *model;
}

bool refreshDraftModel(ProgramState& state, UserDialogs& dialogs, DraftModel& model) {
    const DraftModel* current = currentDraftModel(state, dialogs);
    if (current == nullptr) {
        return false;
    }
    model = *current;
    return true;
}

}  // namespace quorvane
