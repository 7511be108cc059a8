// SPDX-License-Identifier: MIT
#include "practice/PracticeRun.h"

#include <cmath>
#include <thread>

#include "advice/NextAvailable.h"
#include "availability/TurnSequence.h"
#include "model/DraftLoader.h"
#include "model/DraftModelLoader.h"
#include "model/DraftSession.h"
#include "practice/BotDrafters.h"
#include "practice/OpponentPicks.h"
#include "practice/PracticeAuction.h"
#include "practice/PracticeDrafts.h"
#include "room/TurnWriters.h"
#include "room/WriteFailures.h"
#include "store/ChangeStamps.h"
#include "store/DataVersion.h"
#include "store/TransactionGuard.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

constexpr std::chrono::milliseconds kStopLook{50};
constexpr std::string_view kLookFailed = " 92008 error: could not read the practice draft's state";

// What the bots do next: stop, or let a team pick (no player: its turn is skipped) or buy.
struct NextStep {
    std::optional<PracticeStop> stop;
    std::size_t team = 0;
    std::optional<std::size_t> player;
    double price = 0.0;
    // An auction's sale of the player the user chose to nominate.
    bool usersNomination = false;
    // The turn (an auction's sale number) the step was chosen for.
    int turn = 0;
};

// How often the bots choose again when the writer refuses their choice under its lock
// (another connection took the player, the slot or the turn meanwhile).
constexpr int kChoicesPerStep = 3;

NextStep stopAt(PracticeStop stop) {
    NextStep step;
    step.stop = stop;
    return step;
}

class PracticeRunner {
  public:
    PracticeRunner(DraftSession& session, const PracticeRunOptions& options,
                   const std::function<bool()>& valueDraft, const std::atomic<bool>* stop,
                   const std::function<void(const PracticePick&)>& picked)
        : m_state(session),
          m_options(options),
          m_valueDraft(valueDraft),
          m_stop(stop),
          m_picked(picked) {}

    PracticeRunResult run();

  private:
    bool stopRequested() const { return m_stop != nullptr && m_stop->load(); }
    // Waits the pace; false when asked to stop meanwhile.
    bool waitPace() const;
    // The draft as the file holds it, when another connection (the user's window, the command
    // line) changed it since the bots last looked: true when their copy was read again, nullopt
    // after a failure.
    std::optional<bool> catchUp();
    bool readDraft();
    // Notes where the file stands once the bots' copy matches it.
    bool noteFileState();
    std::optional<PracticeStop> takeStep();
    NextStep nextSnakePick();
    NextStep nextSale();
    NextStep nextStep();
    std::optional<std::size_t> botPick(std::size_t team) const {
        return m_bots->pick(m_model, team, m_drafters[team]);
    }
    std::optional<PracticeStop> act(const NextStep& step);
    std::optional<PracticeStop> record(const NextStep& step);
    // After the writer stored a change: the program's loaded draft follows the bots' model.
    void followWrite();
    // The writer's refusal of the bots' choice, kept until they choose again.
    std::optional<WriteFailure> m_refused;
    std::optional<PracticeStop> refusedOrFailed(const WriteFailure& failure);
    double userLimit(std::size_t team, std::size_t player) const;
    // Whether the sale of the player waits for the limit the user types: he could bid and has
    // not given one yet.
    bool waitsForUserLimit(std::size_t player) const;
    // Ends the run with the failure the user is to be told.
    PracticeStop fail(Message message) {
        m_result.failure = std::move(message);
        return PracticeStop::Failed;
    }
    bool lookFailed() {
        fail(databaseFailure(m_state.dbConnection, kLookFailed).message);
        return false;
    }

    DraftSession& m_state;
    const PracticeRunOptions& m_options;
    const std::function<bool()>& m_valueDraft;
    const std::atomic<bool>* m_stop;
    const std::function<void(const PracticePick&)>& m_picked;
    DraftModel m_model;
    std::optional<BotPicks> m_bots;
    std::vector<BotDrafter> m_drafters;
    std::vector<double> m_values;
    std::uint64_t m_seed = 0;
    BotMix m_mix = BotMix::Adp;
    bool m_nominationUsed = false;
    int m_skipsInARow = 0;
    // Where the file stood when the bots' copy was last known to match it.
    std::optional<std::int64_t> m_fileVersion;
    std::optional<std::string> m_draftStamp;
    PracticeRunResult m_result;
};

bool PracticeRunner::waitPace() const {
    auto left = m_options.pace;
    while (left.count() > 0) {
        if (stopRequested()) {
            return false;
        }
        const auto step = std::min(left, kStopLook);
        std::this_thread::sleep_for(step);
        left -= step;
    }
    return !stopRequested();
}

PracticeRunResult PracticeRunner::run() {
    if (!m_state.draftSettings()) {
        return m_result;
    }
    const Outcome<PracticeRow> practice =
        requirePractice(m_state, m_state.draftSettings()->template_id);
    if (!practice) {
        fail(practice.failure().message);
        return m_result;
    }
    if (!m_options.valuesCurrent && m_valueDraft && !m_valueDraft()) {
        return m_result;
    }
    m_seed = static_cast<std::uint64_t>(practice->seed);
    m_mix = botMixNamed(practice->bots).value_or(BotMix::Adp);
    // The file's state is noted before the draft is read: a change that falls between the two
    // is read again, never missed.
    if (!noteFileState() || !readDraft()) {
        return m_result;
    }
    for (;;) {
        if (stopRequested()) {
            m_result.stop = PracticeStop::Stopped;
            break;
        }
        if (m_options.maxPicks && static_cast<int>(m_result.picks.size()) >= *m_options.maxPicks) {
            m_result.stop = PracticeStop::PickLimit;
            break;
        }
        if (const std::optional<PracticeStop> stop = takeStep()) {
            m_result.stop = *stop;
            break;
        }
    }
    return m_result;
}

bool PracticeRunner::noteFileState() {
    m_fileVersion = dataVersion(m_state.dbConnection);
    m_draftStamp = readChangeStamp(m_state.dbConnection, ChangeStamp::Draft,
                                   m_state.draftSettings()->template_id);
    return m_draftStamp ? true : lookFailed();
}

bool PracticeRunner::readDraft() {
    loadDraft(m_state, m_state.draftSettings()->template_id);
    const Outcome<const DraftModel*> model = currentDraftModel(m_state);
    if (!model) {
        fail(model.failure().message);
        return false;
    }
    if (*model == nullptr) {
        return false;
    }
    m_model = **model;
    m_bots.emplace(m_model, m_seed);
    m_drafters = botDrafters(m_model, m_mix, m_seed);
    m_values = playerValues(m_model);
    m_skipsInARow = 0;
    return true;
}

std::optional<bool> PracticeRunner::catchUp() {
    // Only another connection's commit moves the file's version; the bots' own picks do not.
    const std::optional<std::int64_t> version = dataVersion(m_state.dbConnection);
    if (version && version == m_fileVersion) {
        return false;
    }
    const std::optional<std::string> before = m_draftStamp;
    if (!noteFileState()) {
        return std::nullopt;
    }
    // The window's own valuation runs write figures the bots do not draft by.
    if (m_draftStamp == before) {
        return false;
    }
    if (!readDraft()) {
        return std::nullopt;
    }
    return true;
}

// The pick is chosen from the bots' copy, the pace is waited, and then, with the writer's lock
// held, the copy is checked against the file once more: a pick or sale the user recorded
// meanwhile is taken into account before anything is written in the bots' name.
std::optional<PracticeStop> PracticeRunner::takeStep() {
    if (!catchUp().has_value()) {
        return PracticeStop::Failed;
    }
    NextStep step = nextStep();
    if (step.stop) {
        return step.stop;
    }
    if (!waitPace()) {
        return PracticeStop::Stopped;
    }
    TransactionGuard lock(m_state.dbConnection);
    if (!lock.begun()) {
        lookFailed();
        return PracticeStop::Failed;
    }
    const std::optional<bool> changed = catchUp();
    if (!changed) {
        return PracticeStop::Failed;
    }
    if (*changed) {
        step = nextStep();
    }
    // The writer decides again under the lock over the file as it is; a refused choice was
    // read into the bots' model, so the next one is chosen over what the file holds.
    for (int choice = 1;; ++choice) {
        if (step.stop) {
            return step.stop;
        }
        if (const std::optional<PracticeStop> stop = act(step)) {
            return stop;
        }
        if (!m_refused) {
            break;
        }
        if (choice == kChoicesPerStep) {
            return fail({"Practice Draft",
                         "The bots stopped: the draft refused their choice " +
                             std::to_string(kChoicesPerStep) + " times. " + m_refused->message.text,
                         MessageIcon::Exclamation});
        }
        step = nextStep();
    }
    const bool noted = noteFileState();
    if (!noted || !lock.commit()) {
        if (noted) {
            lookFailed();
        }
        // Nothing of the step was kept.
        if (step.player) {
            m_result.picks.pop_back();
        }
        return PracticeStop::Failed;
    }
    if (step.player && m_picked) {
        m_picked(m_result.picks.back());
    }
    return std::nullopt;
}

NextStep PracticeRunner::nextStep() {
    m_refused.reset();
    NextStep step = m_model.auction() ? nextSale() : nextSnakePick();
    step.turn = m_model.turnNumber();
    return step;
}

void PracticeRunner::followWrite() {
    m_state.replaceDraftSettings(*m_model.settings);
}

NextStep PracticeRunner::nextSnakePick() {
    const ComingTurns turns = comingTurns(m_model);
    // A whole round of turns without a pick: no team can roster anyone any more.
    if (turns.teams.empty() || m_skipsInARow >= m_model.teamCount()) {
        return stopAt(PracticeStop::DraftOver);
    }
    NextStep step;
    step.team = turns.teams.front();
    const bool mine = m_model.teams[step.team].mine;
    if (mine && !m_options.toEnd) {
        step.stop = PracticeStop::UsersTurn;
        return step;
    }
    step.player = mine ? advicePick(m_model, step.team) : botPick(step.team);
    return step;
}

std::optional<PracticeStop> PracticeRunner::act(const NextStep& step) {
    if (step.usersNomination) {
        m_nominationUsed = true;
    }
    if (step.player) {
        m_skipsInARow = 0;
        return record(step);
    }
    const Outcome<TurnChanged> skipped =
        writeSkip(m_state.dbConnection, m_model, SkipRequest{step.turn});
    if (!skipped) {
        return refusedOrFailed(skipped.failure());
    }
    followWrite();
    ++m_skipsInARow;
    return std::nullopt;
}

bool PracticeRunner::waitsForUserLimit(std::size_t player) const {
    if (!m_options.askUserLimit ||
        m_options.userLimits.contains(m_model.players[player].playerid)) {
        return false;
    }
    for (std::size_t t = 0; t < m_model.teams.size(); ++t) {
        if (m_model.teams[t].mine && canRosterPlayer(m_model, t, m_model.players[player]) &&
            largestAllowedBid(m_model, t) >= m_model.minbid()) {
            return true;
        }
    }
    return false;
}

double PracticeRunner::userLimit(std::size_t team, std::size_t player) const {
    const auto typed = m_options.userLimits.find(m_model.players[player].playerid);
    const double limit = typed == m_options.userLimits.end() ? 0.0 : std::floor(typed->second);
    return canRosterPlayer(m_model, team, m_model.players[player])
               ? std::max(0.0, std::min(limit, largestAllowedBid(m_model, team)))
               : 0.0;
}

NextStep PracticeRunner::nextSale() {
    const std::optional<std::size_t> nominator = nominatingTeam(m_model);
    if (!nominator) {
        return stopAt(PracticeStop::DraftOver);
    }
    NextStep step;
    std::optional<std::size_t> player;
    if (m_model.teams[*nominator].mine) {
        if (m_options.nomination && !m_nominationUsed) {
            step.usersNomination = true;
            const ModelPlayer* named = m_model.findPlayer(*m_options.nomination);
            if (named == nullptr || !named->available() ||
                !canRosterPlayer(m_model, *nominator, *named)) {
                return stopAt(fail({"Practice Draft",
                                    "You cannot nominate this player: he is taken, unknown or "
                                    "has no open slot on your team.",
                                    MessageIcon::Exclamation}));
            }
            player = static_cast<std::size_t>(named - m_model.players.data());
        } else if (m_options.toEnd) {
            player = advicePick(m_model, *nominator);
        } else {
            return stopAt(PracticeStop::UsersNomination);
        }
    } else {
        player = botPick(*nominator);
    }
    if (!player) {
        return stopAt(PracticeStop::DraftOver);
    }
    if (waitsForUserLimit(*player)) {
        m_result.nominated = m_model.players[*player].playerid;
        return stopAt(PracticeStop::UsersLimit);
    }
    std::vector<AuctionBid> bids;
    for (std::size_t t = 0; t < m_model.teams.size(); ++t) {
        const ModelTeam& team = m_model.teams[t];
        const ModelPlayer& up = m_model.players[*player];
        const bool canRoster = canRosterPlayer(m_model, t, up);
        const double largest = largestAllowedBid(m_model, t);
        double limit = team.mine ? userLimit(t, *player)
                                 : opponentLimit(m_values[*player],
                                                 limitNoise(m_seed, team.teamid, up.playerid),
                                                 largest, canRoster);
        // A nomination opens the bidding at the minimum bid.
        if (t == *nominator && canRoster && largest >= m_model.minbid()) {
            limit = std::max(limit, m_model.minbid());
        }
        bids.push_back({t, team.draftposition, limit});
    }
    const std::optional<AuctionSale> sale = settleSale(bids, m_model.minbid());
    if (!sale) {
        return stopAt(PracticeStop::DraftOver);
    }
    step.team = sale->team;
    step.player = player;
    step.price = sale->price;
    return step;
}

std::optional<PracticeStop> PracticeRunner::refusedOrFailed(const WriteFailure& failure) {
    if (failure.kind == WriteFailure::Kind::Refused ||
        failure.kind == WriteFailure::Kind::Unanswered) {
        m_refused = failure;
        return std::nullopt;
    }
    return fail(failure.message);
}

std::optional<PracticeStop> PracticeRunner::record(const NextStep& step) {
    const ModelPlayer& chosen = m_model.players[*step.player];
    const ModelTeam& buyer = m_model.teams[step.team];
    const std::optional<std::string> slot = openSlotFor(m_model, step.team, chosen);
    if (!slot) {
        return PracticeStop::Failed;
    }
    // The names as chosen: a refused pick reads the file into the model.
    PracticePick pick{0,
                      buyer.teamid,
                      buyer.teamname,
                      chosen.playerid,
                      chosen.firstname + " " + chosen.lastname,
                      *slot,
                      step.price};
    const Outcome<PickRecorded> stored = writePick(
        m_state.dbConnection, m_model,
        PickRequest{pick.playerid, pick.teamid, *slot, step.price, step.turn, std::nullopt});
    if (!stored) {
        return refusedOrFailed(stored.failure());
    }
    followWrite();
    pick.pickNumber = stored->pickNumber;
    pick.price = stored->price;
    m_result.picks.push_back(std::move(pick));
    return std::nullopt;
}

}  // namespace

PracticeRunResult runPractice(DraftSession& session, const PracticeRunOptions& options,
                              const std::function<bool()>& valueDraft,
                              const std::atomic<bool>* stop,
                              const std::function<void(const PracticePick&)>& picked) {
    return PracticeRunner(session, options, valueDraft, stop, picked).run();
}

}  // namespace quorvane
