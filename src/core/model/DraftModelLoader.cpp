// SPDX-License-Identifier: MIT
#include "model/DraftModelLoader.h"

#include <string_view>
#include <utility>

#include "model/DraftModelCache.h"
#include "model/DraftSession.h"
#include "model/Punts.h"
#include "store/AdpRows.h"
#include "store/DataVersion.h"
#include "store/DraftRows.h"
#include "text/LetterCase.h"
#include "text/NumberText.h"
#include "vocabulary/DatabaseMessages.h"
#include "vocabulary/StatementFailures.h"

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
std::shared_ptr<const DraftSettings> sharedSettings(const DraftSession& session) {
    return {session.loadedDraft, &*session.loadedDraft->draftSettings};
}

WriteFailure loadFailed(const Connection& connection) {
    return statementFailed(connection, kDatabaseAccessMessage, kLoadFailed);
}

}  // namespace

void readSettings(const DraftSettings& settings, DraftModel& model) {
    readSettings(std::make_shared<const DraftSettings>(settings), model);
}

void readSettings(std::shared_ptr<const DraftSettings> shared, DraftModel& model) {
    const DraftSettings& settings = *shared;
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

Outcome<DraftModel> readDraftModel(Connection& connection,
                                   std::shared_ptr<const DraftSettings> settings,
                                   int projectionYear) {
    const int templateId = settings->template_id;
    // Noted before the rows are read: a commit that falls between is read again, never missed.
    const std::optional<std::int64_t> version = dataVersion(connection);
    std::optional<std::vector<PlayerSeasonRow>> rows = readPlayerSeasonRows(connection);
    const std::optional<std::vector<PickRow>> picks =
        rows ? readPickRows(connection, templateId) : std::nullopt;
    if (!picks) {
        return loadFailed(connection);
    }
    Outcome<std::vector<int>> punts = readPunts(connection, templateId);
    if (!punts) {
        return punts.failure();
    }
    DraftModel model;
    model.dataVersion = version;
    model.projectionYear = projectionYear;
    for (PlayerSeasonRow& row : *rows) {
        const bool projection = row.yearofprojection == projectionYear;
        (projection ? model.players : model.otherSeasons).push_back(playerOf(std::move(row)));
    }
    if (!readAdp(connection, templateId, model)) {
        return loadFailed(connection);
    }
    applyPickRows(*picks, model);
    readSettings(std::move(settings), model);
    setPunts(model, *punts);
    return model;
}

std::optional<Outcome<DraftModel>> readDraftModel(DraftSession& session) {
    if (!session.draftSettings()) {
        return std::nullopt;
    }
    return readDraftModel(session.dbConnection, sharedSettings(session), session.projectionYear);
}

Outcome<DraftModel*> heldDraftModel(DraftSession& session) {
    if (!session.draftSettings()) {
        return static_cast<DraftModel*>(nullptr);
    }
    if (!session.draftModel) {
        session.draftModel = std::make_shared<DraftModelCache>();
    }
    DraftModelCache& cache = *session.draftModel;
    if (!cache.holds(session.dbConnection, session.draftSettings()->template_id,
                     session.projectionYear)) {
        Outcome<DraftModel> model =
            readDraftModel(session.dbConnection, sharedSettings(session), session.projectionYear);
        if (!model) {
            cache.forget();
            return model.failure();
        }
        cache.keep(session.dbConnection, std::move(model.value()));
    }
    DraftModel* model = cache.model();
    if (model->settings.get() != &*session.draftSettings()) {
        readSettings(sharedSettings(session), *model);
    }
    return model;
}

Outcome<const DraftModel*> currentDraftModel(DraftSession& session) {
    Outcome<DraftModel*> held = heldDraftModel(session);
    if (!held) {
        return held.failure();
    }
    return static_cast<const DraftModel*>(held.value());
}

void settleDraftModel(DraftSession& session, bool committed) {
    if (!session.draftModel) {
        return;
    }
    if (committed) {
        session.draftModel->acceptOwnChanges(session.dbConnection);
    } else {
        session.draftModel->forget();
    }
}

bool heldModelIsCurrent(DraftSession& session) {
    return session.draftSettings() && session.draftModel &&
           session.draftModel->holds(session.dbConnection, session.draftSettings()->template_id,
                                     session.projectionYear);
}

void keepOwnChange(DraftSession& session, bool wasCurrent,
                   const std::function<void(DraftModel&)>& change) {
    if (!wasCurrent || !session.draftModel || session.draftModel->model() == nullptr) {
        return;
    }
    change(*session.draftModel->model());
    session.draftModel->acceptOwnChanges(session.dbConnection);
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

}  // namespace quorvane
