// SPDX-License-Identifier: MIT
#include "night/NightHost.h"

#include <algorithm>

#include "model/DraftLoader.h"
#include "model/DraftModelCache.h"
#include "model/DraftModelLoader.h"
#include "night/JoinCodes.h"
#include "night/NightRecording.h"
#include "night/NightState.h"
#include "platform/Version.h"
#include "session/CommandSession.h"
#include "store/DataVersion.h"
#include "store/TransactionGuard.h"

namespace quorvane {

namespace {

NightRefusal failure(std::string message) {
    return NightRefusal{NightRefusal::Kind::Failed, std::move(message)};
}

const NightRefusal& commissionerOnly() {
    static const NightRefusal refusal{NightRefusal::Kind::NotYours,
                                      "Only the commissioner may do this"};
    return refusal;
}

constexpr std::string_view kNotStored = "The draft night could not be stored";
constexpr std::int64_t kSyncEveryMs = 1000;

}  // namespace

NightHost::NightHost() = default;
NightHost::~NightHost() = default;

std::unique_ptr<NightHost> NightHost::open(const NightHostOptions& options, std::int64_t nowMs,
                                           std::string& reason) {
    std::unique_ptr<NightHost> host(new NightHost());
    if (!host->load(options, nowMs, reason)) {
        return nullptr;
    }
    return host;
}

bool NightHost::load(const NightHostOptions& options, std::int64_t nowMs, std::string& reason) {
    const std::optional<std::string> folder =
        options.dataFolder.empty() ? std::nullopt : std::optional(options.dataFolder);
    // The host has nobody to ask: the first thing the opening would have told is sent to the
    // page that made the request.
    SessionOpening opening = openCommandStore(m_session, folder, kAppVersion);
    if (opening.opened) {
        SessionOpening draft = openDraftByIdOrName(m_session, options.draft);
        opening.opened = draft.opened;
        opening.told.insert(opening.told.end(), draft.told.begin(), draft.told.end());
    }
    if (!opening.opened || model() == nullptr) {
        reason = opening.firstText("The draft could not be opened");
        return false;
    }
    m_clocks = options.clocks;
    m_templateId = m_session.draftSettings()->template_id;
    m_draftName = m_session.draftSettings()->template_name;
    m_fileVersion = dataVersion(m_session.dbConnection);

    auto codes = readNightCodes(m_session.dbConnection, m_templateId);
    if (!codes) {
        reason = "The join codes could not be read";
        return false;
    }
    m_codes = std::move(*codes);
    std::vector<int> holders{0};
    for (const ModelTeam& team : model()->teams) {
        holders.push_back(team.teamid);
    }
    const bool complete = std::all_of(holders.begin(), holders.end(), [this](int holder) {
        return std::any_of(m_codes.begin(), m_codes.end(),
                           [holder](const NightCodeRow& row) { return row.teamid == holder; });
    });
    if ((!complete || m_codes.size() != holders.size()) && !replaceCodes(reason)) {
        return false;
    }

    const auto night = readNight(m_session.dbConnection, m_templateId);
    if (!night) {
        reason = std::string(kNotStored);
        return false;
    }
    m_paused = night->paused;
    m_clockLeftMs = night->clockLeftMs;
    m_lot = night->lot;
    // A version above every one a host before this one can have handed out.
    m_version = static_cast<std::uint64_t>(nowMs);
    if (m_lot) {
        const Lot lot = *m_lot;
        m_lot.reset();
        const NightVerdict problem = decideSale(*model(), lot);
        if (problem) {
            m_notice =
                "The lot of " + playerName(lot.playerid) + " was cancelled: " + problem->message;
            m_clockLeftMs.reset();
            if (!storeNight()) {
                reason = std::string(kNotStored);
                return false;
            }
        } else {
            m_lot = lot;
            // The room needs a moment to see the lot again after the host was away.
            if (!m_paused) {
                m_lot->deadlineMs = std::max(m_lot->deadlineMs, nowMs + m_clocks.lateBidMs);
            }
            m_notice = "The lot of " + playerName(lot.playerid) + " reopened at $" +
                       std::to_string(lot.amount) + ", high bid " + teamName(lot.teamid);
        }
    }
    followTurn(nowMs);
    return true;
}

const DraftModel* NightHost::model() {
    const Outcome<const DraftModel*> current = currentDraftModel(m_session);
    return current ? current.value() : nullptr;
}

bool NightHost::auction() const {
    return m_session.draftSettings() && m_session.draftSettings()->drafttype == kDraftTypeAuction;
}

std::optional<NightCaller> NightHost::callerOf(std::string_view code) const {
    const auto holder = holderOf(m_codes, code);
    if (!holder) {
        return std::nullopt;
    }
    return NightCaller{*holder};
}

bool NightHost::replaceCodes(std::string& reason) {
    std::vector<int> teams;
    for (const DraftTeam& team : m_session.draftSettings()->draftTeams) {
        teams.push_back(team.teamid);
    }
    auto codes = newJoinCodes(teams);
    if (!codes) {
        reason = "No random numbers for the join codes";
        return false;
    }
    if (!writeBesideModel(
            [&] { return writeNightCodes(m_session.dbConnection, m_templateId, *codes); })) {
        reason = "The join codes could not be stored";
        return false;
    }
    m_codes = std::move(*codes);
    return true;
}

NightVerdict NightHost::act(const NightCaller& caller, const NightAction& action,
                            std::int64_t nowMs) {
    // A request decides over the file as it stands, other programs' picks included.
    tick(nowMs);
    NightVerdict verdict = decide(caller, action, nowMs);
    if (!verdict) {
        changed();
    }
    return verdict;
}

NightVerdict NightHost::decide(const NightCaller& caller, const NightAction& action,
                               std::int64_t nowMs) {
    using Kind = NightAction::Kind;
    const bool forTeam =
        action.kind == Kind::Pick || action.kind == Kind::Nominate || action.kind == Kind::Bid;
    if (!forTeam && !caller.commissioner()) {
        return commissionerOnly();
    }
    int teamid = caller.teamid;
    if (forTeam) {
        if (caller.commissioner()) {
            if (!action.team) {
                return NightRefusal{NightRefusal::Kind::Malformed, "Name the team to act for"};
            }
            teamid = *action.team;
        } else if (action.team && *action.team != caller.teamid) {
            return NightRefusal{NightRefusal::Kind::NotYours,
                                "This code acts only for its own team"};
        }
    }
    if (model() == nullptr) {
        return failure("The draft could not be read");
    }
    switch (action.kind) {
        case Kind::Pick:
            return pick(teamid, action, nowMs);
        case Kind::Nominate:
            return nominate(teamid, action, nowMs);
        case Kind::Bid:
            return bid(teamid, action, nowMs);
        case Kind::Undo:
            return undo(nowMs);
        case Kind::Pause:
            return pause(true, nowMs);
        case Kind::Resume:
            return pause(false, nowMs);
        case Kind::CloseLot:
            return closeLot(nowMs);
        case Kind::ResetClock:
            return resetClock(nowMs);
    }
    return NightRefusal{NightRefusal::Kind::Malformed, "Unknown request"};
}

NightVerdict NightHost::nominate(int teamid, const NightAction& action, std::int64_t nowMs) {
    const NightRoom room{*model(), m_paused, m_lot};
    if (auto refusal = decideNomination(room, teamid, action.player, action.amount)) {
        return refusal;
    }
    m_lot = openLot(teamid, action.player, action.amount, nowMs, m_clocks);
    if (!storeNight()) {
        m_lot.reset();
        return failure(std::string(kNotStored));
    }
    m_notice = teamName(teamid) + " nominates " + playerName(action.player) + " at $" +
               std::to_string(action.amount);
    return std::nullopt;
}

NightVerdict NightHost::bid(int teamid, const NightAction& action, std::int64_t nowMs) {
    const NightRoom room{*model(), m_paused, m_lot};
    if (auto refusal = decideBid(room, teamid, action.player, action.amount, nowMs)) {
        return refusal;
    }
    Lot next = *m_lot;
    placeBid(next, teamid, action.amount, nowMs, m_clocks);
    if (!writeBesideModel([&] {
            return writeNightBid(m_session.dbConnection, m_templateId, next, next.bids.back());
        })) {
        return failure(std::string(kNotStored));
    }
    m_lot = std::move(next);
    m_bidsUnsynced = true;
    return std::nullopt;
}

NightVerdict NightHost::pick(int teamid, const NightAction& action, std::int64_t nowMs) {
    if (action.pick && *action.pick != m_session.draftSettings()->turnNumber) {
        return NightRefusal{NightRefusal::Kind::MovedOn, "That pick was already made"};
    }
    const DraftModel& draft = *model();
    const NightRoom room{draft, m_paused, m_lot};
    if (auto refusal = decidePick(room, teamid, action.player)) {
        return refusal;
    }
    const int turn = m_session.draftSettings()->turnNumber;
    if (auto refusal = recordNightPick(m_session, teamid, action.player, std::nullopt, turn)) {
        return refusal;
    }
    m_notice =
        "#" + std::to_string(turn) + " " + playerName(action.player) + ", " + teamName(teamid);
    followTurn(nowMs);
    return std::nullopt;
}

NightVerdict NightHost::undo(std::int64_t nowMs) {
    NightUndo undone = undoNightEntry(m_session);
    if (undone.refusal) {
        return undone.refusal;
    }
    m_notice = undone.news;
    followTurn(nowMs);
    return std::nullopt;
}

NightVerdict NightHost::pause(bool paused, std::int64_t nowMs) {
    if (paused == m_paused) {
        return std::nullopt;
    }
    const std::optional<std::int64_t> deadline =
        m_lot ? std::optional(m_lot->deadlineMs) : m_pickDeadlineMs;
    if (paused) {
        m_clockLeftMs =
            deadline ? std::optional(std::max<std::int64_t>(*deadline - nowMs, 0)) : std::nullopt;
    } else if (m_clockLeftMs) {
        if (m_lot) {
            m_lot->deadlineMs = nowMs + *m_clockLeftMs;
        } else if (m_pickDeadlineMs) {
            m_pickDeadlineMs = nowMs + *m_clockLeftMs;
        }
        m_clockLeftMs.reset();
    }
    m_paused = paused;
    if (!storeNight()) {
        return failure(std::string(kNotStored));
    }
    m_notice = paused ? "The draft is paused" : "The draft goes on";
    return std::nullopt;
}

NightVerdict NightHost::resetClock(std::int64_t nowMs) {
    const std::int64_t length = m_lot ? m_clocks.lotMs : m_clocks.pickMs;
    if (m_paused) {
        m_clockLeftMs = length;
    } else if (m_lot) {
        m_lot->deadlineMs = nowMs + length;
    } else if (m_clocks.pickMs > 0) {
        m_pickDeadlineMs = nowMs + length;
    }
    return storeNight() ? std::nullopt : NightVerdict(failure(std::string(kNotStored)));
}

NightVerdict NightHost::closeLot(std::int64_t nowMs) {
    if (!m_lot) {
        return NightRefusal{NightRefusal::Kind::MovedOn, "No player is on the block"};
    }
    const Lot lot = *m_lot;
    NightRow closed;
    closed.paused = m_paused;
    {
        // The sale and the end of the lot land together: a host that dies in between finds
        // either the lot still open or the player sold.
        TransactionGuard transaction(m_session.dbConnection);
        const NightVerdict refusal =
            recordNightPick(m_session, lot.teamid, lot.playerid, lot.amount);
        if (refusal && refusal->kind == NightRefusal::Kind::Failed) {
            return refusal;
        }
        if (!writeBesideModel(
                [&] { return writeNight(m_session.dbConnection, m_templateId, closed); }) ||
            !transaction.commit()) {
            transaction.rollback();
            // What the pick changed in memory may not be what the file holds now.
            if (m_session.draftModel) {
                m_session.draftModel->forget();
            }
            loadDraft(m_session, m_templateId);
            return failure(std::string(kNotStored));
        }
        m_notice = refusal ? "The lot of " + playerName(lot.playerid) +
                                 " was cancelled: " + refusal->message
                           : "Sold: " + playerName(lot.playerid) + " to " + teamName(lot.teamid) +
                                 " for $" + std::to_string(lot.amount);
    }
    m_lot.reset();
    m_clockLeftMs.reset();
    followTurn(nowMs);
    return std::nullopt;
}

bool NightHost::tick(std::int64_t nowMs) {
    // Bids reach the disk within a second; a sale puts them there at once.
    if (m_bidsUnsynced && nowMs - m_syncedMs >= kSyncEveryMs &&
        writeBesideModel([this] { return syncNight(m_session.dbConnection); })) {
        m_bidsUnsynced = false;
        m_syncedMs = nowMs;
    }
    bool moved = false;
    const auto version = dataVersion(m_session.dbConnection);
    if (version && version != m_fileVersion) {
        // Another program wrote: its picks move the turn and may take the player on the block.
        m_fileVersion = version;
        loadDraft(m_session, m_templateId);
        moved = true;
        if (m_lot && model() != nullptr && model()->drafted(m_lot->playerid)) {
            m_notice = "The lot of " + playerName(m_lot->playerid) +
                       " was cancelled: he was drafted elsewhere";
            m_lot.reset();
            m_clockLeftMs.reset();
            storeNight();
        }
        followTurn(nowMs);
    }
    if (m_lot && !m_paused && lotDue(*m_lot, nowMs)) {
        closeLot(nowMs);
        moved = true;
    }
    if (moved) {
        changed();
    }
    return moved;
}

std::optional<std::int64_t> NightHost::nextDeadline(std::int64_t nowMs) const {
    if (m_paused || !m_lot) {
        return std::nullopt;
    }
    return std::max<std::int64_t>(m_lot->deadlineMs - nowMs, 0);
}

void NightHost::followTurn(std::int64_t nowMs) {
    const int turn = m_session.draftSettings()->turnNumber;
    if (turn == m_clockTurn && (m_pickDeadlineMs || m_clockLeftMs)) {
        return;
    }
    m_clockTurn = turn;
    if (auction() || m_clocks.pickMs <= 0) {
        m_pickDeadlineMs.reset();
        return;
    }
    if (m_paused) {
        m_clockLeftMs = m_clocks.pickMs;
    } else {
        m_pickDeadlineMs = nowMs + m_clocks.pickMs;
    }
}

bool NightHost::storeNight() {
    NightRow night;
    night.paused = m_paused;
    night.clockLeftMs = m_clockLeftMs;
    night.lot = m_lot;
    return writeBesideModel(
        [&] { return writeNight(m_session.dbConnection, m_templateId, night); });
}

bool NightHost::writeBesideModel(const std::function<bool()>& write) {
    const bool current = heldModelIsCurrent(m_session);
    const bool written = write();
    keepOwnChange(m_session, current, [](DraftModel&) {});
    return written;
}

std::string NightHost::playerName(int playerid) {
    const DraftModel* draft = model();
    const ModelPlayer* player = draft ? draft->findPlayer(playerid) : nullptr;
    if (player == nullptr) {
        return "player " + std::to_string(playerid);
    }
    return player->firstname.empty() ? player->lastname
                                     : player->firstname + " " + player->lastname;
}

std::string NightHost::teamName(int teamid) const {
    for (const DraftTeam& team : m_session.draftSettings()->draftTeams) {
        if (team.teamid == teamid) {
            return team.teamname;
        }
    }
    return "team " + std::to_string(teamid);
}

std::string NightHost::stateJson(std::int64_t nowMs) {
    if (model() == nullptr) {
        return "{}";
    }
    NightStateInput input{*model(),      *m_session.draftSettings(), m_version, m_paused, m_lot,
                          m_clockLeftMs, m_pickDeadlineMs,           nowMs,     m_notice};
    return nightStateJson(input);
}

std::string NightHost::playersJson() {
    return nightPlayersJson(*model());
}

}  // namespace quorvane
