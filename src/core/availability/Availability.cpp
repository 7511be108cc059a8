// SPDX-License-Identifier: MIT
#include "availability/Availability.h"

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>

#include "advice/NextAvailable.h"
#include "availability/AdpPositions.h"
#include "availability/PortableRandom.h"
#include "availability/RosterRoom.h"
#include "availability/TurnSequence.h"

namespace quorvane {

namespace {

constexpr std::size_t kPositionFlags = 5;
constexpr std::size_t kFlagSets = 1U << kPositionFlags;
constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();
// How often a long run looks whether it was asked to stop.
constexpr int kStopCheckEvery = 64;

// A drawn player in the order the other teams take them.
struct Noisy {
    double b = 0.0;
    double a = 0.0;
    int playerid = 0;
    std::uint32_t player = 0;  // index among the undrafted
};

bool takenBefore(const Noisy& x, const Noisy& y) {
    if (x.b != y.b) {
        return x.b < y.b;
    }
    if (x.a != y.a) {
        return x.a < y.a;
    }
    return x.playerid < y.playerid;
}

// std::*_heap keep the greatest first; this puts the first taken there.
bool heapOrder(const Noisy& x, const Noisy& y) {
    return takenBefore(y, x);
}

// Plays the continuations. Players are drawn lazily in the order of the lowest b they can
// reach (a - (1 + s·a)·kNormalBound), and only until the one taken next is certain: a player
// not drawn yet can never come before it. Each continuation's k-th draw goes to the same player
// however many it needs, so the figures are those of drawing every player.
class Continuations {
  public:
    Continuations(const DraftModel& model, const AvailabilityRequest& request,
                  const ComingTurns& turns, const Horizons& horizons);

    void play(std::uint64_t seed);
    AvailabilityFigures figures(int continuations) const;

  private:
    void draw();
    std::optional<std::uint32_t> lowestNoisy(const OpenSlots& open);
    std::optional<std::uint32_t> highestValue(const OpenSlots& open) const;
    void take(std::size_t team, std::uint32_t player);
    void countGone(std::vector<std::uint32_t>& gone) const;
    void measureBestLeft();

    const DraftModel& m_model;
    std::size_t m_team;
    std::vector<std::size_t> m_turns;  // teams, up to the last horizon
    std::size_t m_first = 0;
    std::optional<std::size_t> m_second;

    // Per undrafted player.
    std::vector<std::size_t> m_index;  // into model.players
    std::vector<double> m_a;
    std::vector<double> m_spread;
    std::vector<double> m_lowest;  // the lowest b he can draw
    std::vector<double> m_value;
    std::vector<int> m_playerid;
    std::vector<std::uint8_t> m_flags;
    std::vector<SlotPreference> m_slots;
    std::vector<std::uint32_t> m_drawOrder;
    std::vector<std::uint32_t> m_byValue;
    std::array<std::vector<std::uint32_t>, kPositionFlags> m_byValueAt;
    std::vector<OpenSlots> m_startSlots;

    // One continuation.
    PortableRandom m_random{0};
    std::size_t m_drawn = 0;
    std::vector<Noisy> m_heap;
    std::vector<Noisy> m_passed;
    std::vector<std::uint8_t> m_taken;
    std::vector<std::uint32_t> m_takenList;
    std::vector<OpenSlots> m_open;

    // Over all of them.
    std::vector<std::uint32_t> m_goneFirst;
    std::vector<std::uint32_t> m_goneSecond;
    std::array<double, kFlagSets> m_bestLeftSum{};
    std::vector<double> m_bestLeftCorrection;
};

Continuations::Continuations(const DraftModel& model, const AvailabilityRequest& request,
                             const ComingTurns& turns, const Horizons& horizons)
    : m_model(model), m_team(request.team), m_first(*horizons.first), m_second(horizons.second) {
    const std::size_t end = (m_second ? *m_second : m_first) + 1;
    m_turns.assign(turns.teams.begin(), turns.teams.begin() + static_cast<std::ptrdiff_t>(end));
    const std::vector<double> positions = adpPositions(model);
    const std::vector<double> values = playerValues(model);
    for (std::size_t i = 0; i < model.players.size(); ++i) {
        const ModelPlayer& player = model.players[i];
        if (!player.available()) {
            continue;
        }
        const double spread = adpSpreadAt(model, positions[i]);
        m_index.push_back(i);
        m_a.push_back(positions[i]);
        m_spread.push_back(spread);
        m_lowest.push_back(positions[i] - spread * kNormalBound);
        m_value.push_back(values[i]);
        m_playerid.push_back(player.playerid);
        m_flags.push_back(static_cast<std::uint8_t>(player.positions & (kFlagSets - 1)));
        m_slots.push_back(slotPreferenceOf(player));
    }
    const auto count = static_cast<std::uint32_t>(m_index.size());
    m_drawOrder.resize(count);
    std::iota(m_drawOrder.begin(), m_drawOrder.end(), 0U);
    std::sort(m_drawOrder.begin(), m_drawOrder.end(), [this](std::uint32_t x, std::uint32_t y) {
        if (m_lowest[x] != m_lowest[y]) {
            return m_lowest[x] < m_lowest[y];
        }
        return m_playerid[x] < m_playerid[y];
    });
    m_byValue.resize(count);
    std::iota(m_byValue.begin(), m_byValue.end(), 0U);
    std::sort(m_byValue.begin(), m_byValue.end(), [this](std::uint32_t x, std::uint32_t y) {
        if (m_value[x] != m_value[y]) {
            return m_value[x] > m_value[y];
        }
        return m_playerid[x] < m_playerid[y];
    });
    for (std::uint32_t player : m_byValue) {
        for (std::size_t flag = 0; flag < kPositionFlags; ++flag) {
            if ((m_flags[player] & (1U << flag)) != 0) {
                m_byValueAt[flag].push_back(player);
            }
        }
    }
    m_startSlots = openSlotsOf(model);
    m_taken.assign(count, 0);
    m_heap.reserve(count);
    m_goneFirst.assign(count, 0);
    m_goneSecond.assign(count, 0);
    m_bestLeftCorrection.assign(count, 0.0);
}

void Continuations::draw() {
    const std::uint32_t player = m_drawOrder[m_drawn++];
    const double z = normalFromBits(m_random.next());
    m_heap.push_back({m_a[player] + m_spread[player] * z, m_a[player], m_playerid[player], player});
    std::push_heap(m_heap.begin(), m_heap.end(), heapOrder);
}

std::optional<std::uint32_t> Continuations::lowestNoisy(const OpenSlots& open) {
    std::optional<std::uint32_t> found;
    while (!found) {
        if (m_heap.empty()) {
            if (m_drawn == m_drawOrder.size()) {
                break;
            }
            draw();
            continue;
        }
        // The first of the heap is certain only when no player still undrawn can come before.
        if (m_drawn < m_drawOrder.size() && m_heap.front().b >= m_lowest[m_drawOrder[m_drawn]]) {
            draw();
            continue;
        }
        std::pop_heap(m_heap.begin(), m_heap.end(), heapOrder);
        const Noisy first = m_heap.back();
        m_heap.pop_back();
        if (m_taken[first.player] != 0) {
            continue;
        }
        if (open.canRoster(m_slots[first.player])) {
            found = first.player;
        } else {
            m_passed.push_back(first);
        }
    }
    for (const Noisy& passed : m_passed) {
        m_heap.push_back(passed);
        std::push_heap(m_heap.begin(), m_heap.end(), heapOrder);
    }
    m_passed.clear();
    return found;
}

std::optional<std::uint32_t> Continuations::highestValue(const OpenSlots& open) const {
    for (std::uint32_t player : m_byValue) {
        if (m_taken[player] == 0 && open.canRoster(m_slots[player])) {
            return player;
        }
    }
    return std::nullopt;
}

void Continuations::take(std::size_t team, std::uint32_t player) {
    m_taken[player] = 1;
    m_takenList.push_back(player);
    if (const std::optional<std::size_t> kind = m_open[team].firstOpen(m_slots[player])) {
        m_open[team].fill(*kind);
    }
}

void Continuations::countGone(std::vector<std::uint32_t>& gone) const {
    for (std::uint32_t player : m_takenList) {
        ++gone[player];
    }
}

// The best two left at each position give, for every player, the best other player left who
// shares a position with him: the same for all who share his set of positions, except the few
// who are themselves the best at one of theirs.
void Continuations::measureBestLeft() {
    std::array<std::array<std::uint32_t, 2>, kPositionFlags> best{};
    for (std::size_t flag = 0; flag < kPositionFlags; ++flag) {
        best[flag] = {kNone, kNone};
        std::size_t found = 0;
        for (std::uint32_t player : m_byValueAt[flag]) {
            if (m_taken[player] == 0) {
                best[flag][found++] = player;
                if (found == 2) {
                    break;
                }
            }
        }
    }
    const auto bestOther = [&](unsigned flags, std::uint32_t other) {
        bool any = false;
        double top = 0.0;
        for (std::size_t flag = 0; flag < kPositionFlags; ++flag) {
            if ((flags & (1U << flag)) == 0) {
                continue;
            }
            const std::uint32_t player = best[flag][0] == other ? best[flag][1] : best[flag][0];
            if (player != kNone && (!any || m_value[player] > top)) {
                top = m_value[player];
                any = true;
            }
        }
        return top;
    };
    for (unsigned flags = 1; flags < kFlagSets; ++flags) {
        m_bestLeftSum[flags] += bestOther(flags, kNone);
    }
    for (std::size_t flag = 0; flag < kPositionFlags; ++flag) {
        const std::uint32_t top = best[flag][0];
        // A player best at two positions is corrected once.
        bool seen = false;
        for (std::size_t earlier = 0; earlier < flag; ++earlier) {
            seen = seen || best[earlier][0] == top;
        }
        if (top != kNone && !seen) {
            m_bestLeftCorrection[top] +=
                bestOther(m_flags[top], top) - bestOther(m_flags[top], kNone);
        }
    }
}

void Continuations::play(std::uint64_t seed) {
    m_random = PortableRandom(seed);
    m_drawn = 0;
    m_heap.clear();
    m_open = m_startSlots;
    for (std::size_t at = 0; at < m_turns.size(); ++at) {
        if (at == m_first) {
            countGone(m_goneFirst);
            measureBestLeft();
        }
        if (m_second && at == *m_second) {
            countGone(m_goneSecond);
            break;
        }
        if (at == m_first && !m_second) {
            break;
        }
        const std::size_t team = m_turns[at];
        const std::optional<std::uint32_t> player =
            team == m_team ? highestValue(m_open[team]) : lowestNoisy(m_open[team]);
        if (player) {
            take(team, *player);
        }
    }
    for (std::uint32_t player : m_takenList) {
        m_taken[player] = 0;
    }
    m_takenList.clear();
}

AvailabilityFigures Continuations::figures(int continuations) const {
    AvailabilityFigures figures;
    figures.players.resize(m_model.players.size());
    figures.firstHorizon = true;
    figures.secondHorizon = m_second.has_value();
    const double n = continuations;
    for (std::size_t player = 0; player < m_index.size(); ++player) {
        PlayerAvailability& shown = figures.players[m_index[player]];
        shown.avail = 1.0 - m_goneFirst[player] / n;
        if (m_second) {
            shown.avail2 = 1.0 - m_goneSecond[player] / n;
        }
        shown.xvona =
            m_value[player] - (m_bestLeftSum[m_flags[player]] + m_bestLeftCorrection[player]) / n;
    }
    return figures;
}

}  // namespace

std::optional<AvailabilityFigures> availability(const DraftModel& model,
                                                const AvailabilityRequest& request,
                                                std::stop_token stop) {
    AvailabilityFigures blank;
    blank.players.resize(model.players.size());
    if (request.team >= model.teams.size() || request.continuations < 1) {
        return blank;
    }
    const ComingTurns turns = comingTurns(model);
    const Horizons horizons = horizonsOf(turns, request.team);
    if (!horizons.first) {
        return blank;
    }
    Continuations continuations(model, request, turns, horizons);
    for (int c = 0; c < request.continuations; ++c) {
        if (c % kStopCheckEvery == 0 && stop.stop_requested()) {
            return std::nullopt;
        }
        continuations.play(mixSeed(request.seed, static_cast<std::uint64_t>(c)));
    }
    return continuations.figures(request.continuations);
}

}  // namespace quorvane
