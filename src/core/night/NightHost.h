// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/DraftSession.h"
#include "night/LotRules.h"
#include "store/NightRows.h"

namespace quorvane {

// Who sent a request: a team, or the commissioner (team 0), who may act for any team.
struct NightCaller {
    int teamid = 0;
    bool commissioner() const { return teamid == 0; }
};

// One request of a phone or the commissioner page, numbers as numbers.
struct NightAction {
    enum class Kind { Pick, Nominate, Bid, Undo, Pause, Resume, CloseLot, ResetClock };
    Kind kind = Kind::Pick;
    // The team the commissioner acts for; a team's own request names none or its own.
    std::optional<int> team;
    int player = 0;
    int amount = 0;
    // The overall pick the caller saw on the clock: a pick meant for a turn that has passed is
    // not made on the next one.
    std::optional<int> pick;
};

struct NightHostOptions {
    std::string dataFolder;  // empty: the usual candidates
    std::string draft;       // id or name
    NightClocks clocks;
};

// The room of a draft night: the draft as the file holds it, the lot on the block and the
// clocks. It holds a connection of its own and is the only writer of the lot; picks and sales go
// through the program's writer, and other programs may record picks meanwhile. Not thread-safe:
// one thread (the server's) calls it.
class NightHost {
  public:
    ~NightHost();
    NightHost(const NightHost&) = delete;
    NightHost& operator=(const NightHost&) = delete;

    // Opens the database and the draft, the codes (made on first hosting) and what a host
    // before this one left: the pause and the lot on the block, reopened with its high bid
    // unless it can no longer be sold. nullptr with the reason.
    static std::unique_ptr<NightHost> open(const NightHostOptions& options, std::int64_t nowMs,
                                           std::string& reason);

    std::optional<NightCaller> callerOf(std::string_view code) const;
    const std::vector<NightCodeRow>& codes() const { return m_codes; }
    // New codes for everyone; the old ones stop working at once.
    bool replaceCodes(std::string& reason);

    // Carries the request out; nothing changes when it is refused.
    NightVerdict act(const NightCaller& caller, const NightAction& action, std::int64_t nowMs);
    // Sells a lot whose clock has run out and follows what other programs wrote; true when the
    // room changed.
    bool tick(std::int64_t nowMs);
    // Milliseconds until tick has something to do on the clock; nullopt when no clock runs.
    std::optional<std::int64_t> nextDeadline(std::int64_t nowMs) const;

    // Grows with every change, also across hosts of the same file, so a page can tell a newer
    // state from an older one.
    std::uint64_t version() const { return m_version; }
    std::string stateJson(std::int64_t nowMs);
    // The players of the draft's season (id, name, position, NBA team, value, rank).
    std::string playersJson();
    const std::string& draftName() const { return m_draftName; }
    bool auction() const;
    // The latest thing the room was told (a sale, a cancelled lot, an undo).
    const std::string& notice() const { return m_notice; }

  private:
    NightHost();
    bool load(const NightHostOptions& options, std::int64_t nowMs, std::string& reason);
    const DraftModel* model();
    NightVerdict decide(const NightCaller& caller, const NightAction& action, std::int64_t nowMs);
    NightVerdict nominate(int teamid, const NightAction& action, std::int64_t nowMs);
    NightVerdict bid(int teamid, const NightAction& action, std::int64_t nowMs);
    NightVerdict pick(int teamid, const NightAction& action, std::int64_t nowMs);
    NightVerdict undo(std::int64_t nowMs);
    NightVerdict pause(bool paused, std::int64_t nowMs);
    NightVerdict resetClock(std::int64_t nowMs);
    // Sells the lot to its high bidder, or cancels it when the sale is refused.
    NightVerdict closeLot(std::int64_t nowMs);
    bool storeNight();
    // Runs a write of the night's own tables, which the draft model does not hold: a model
    // that was the file's stays so, and is not read again for it.
    bool writeBesideModel(const std::function<bool()>& write);
    std::string playerName(int playerid);
    std::string teamName(int teamid) const;
    // Restarts the pick clock when the turn on the clock changed.
    void followTurn(std::int64_t nowMs);
    void changed() { ++m_version; }

    // The open draft on a connection of the host's own: the store, the loaded draft and the
    // held model, nothing of a front end's state.
    DraftSession m_session;
    int m_templateId = 0;
    std::string m_draftName;
    NightClocks m_clocks;
    std::vector<NightCodeRow> m_codes;
    bool m_paused = false;
    std::optional<Lot> m_lot;
    // While paused: what was left on the clock that then ran.
    std::optional<std::int64_t> m_clockLeftMs;
    std::optional<std::int64_t> m_pickDeadlineMs;
    int m_clockTurn = 0;
    std::optional<std::int64_t> m_fileVersion;
    // Bids written since the last time they were put on the disk, and when that was.
    bool m_bidsUnsynced = false;
    std::int64_t m_syncedMs = 0;
    std::uint64_t m_version = 0;
    std::string m_notice;
};

}  // namespace quorvane
