// SPDX-License-Identifier: MIT
#include "practice/BotDrafters.h"

#include "advice/ZScores.h"
#include "availability/PortableRandom.h"
#include "availability/RosterRoom.h"
#include "headtohead/GScores.h"
#include "hscores/HScores.h"
#include "hscores/MatchupObjective.h"
#include "practice/OpponentPicks.h"

namespace quorvane {

namespace {

constexpr std::uint16_t kReserveKind = 1u << (kSlotKinds - 1);
// Keeps the drafters' draws apart from the noisy positions, which mix the same seed with
// player ids.
constexpr std::uint64_t kDrafterSalt = 0x6472616674657273ULL;

double unitFromBits(std::uint64_t bits) {
    return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

}  // namespace

std::optional<BotMix> botMixNamed(std::string_view text) {
    if (text == "adp") {
        return BotMix::Adp;
    }
    if (text == "g") {
        return BotMix::G;
    }
    if (text == "h") {
        return BotMix::H;
    }
    if (text == "mix") {
        return BotMix::Mix;
    }
    return std::nullopt;
}

std::string_view botMixName(BotMix mix) {
    switch (mix) {
        case BotMix::Adp:
            return "adp";
        case BotMix::G:
            return "g";
        case BotMix::H:
            return "h";
        case BotMix::Mix:
            break;
    }
    return "mix";
}

std::vector<BotDrafter> botDrafters(const DraftModel& model, BotMix mix, std::uint64_t seed) {
    std::vector<BotDrafter> drafters(model.teams.size());
    for (std::size_t t = 0; t < model.teams.size(); ++t) {
        BotDrafter& drafter = drafters[t];
        switch (mix) {
            case BotMix::Adp:
                drafter.style = BotDrafter::Style::Adp;
                continue;
            case BotMix::G:
                drafter.style = BotDrafter::Style::G;
                continue;
            case BotMix::H:
                drafter.style = BotDrafter::Style::H;
                continue;
            case BotMix::Mix:
                break;
        }
        PortableRandom random(
            mixSeed(seed ^ kDrafterSalt, static_cast<std::uint64_t>(model.teams[t].teamid)));
        const double style = unitFromBits(random.next());
        drafter.style = style < 1.0 / 3.0   ? BotDrafter::Style::Adp
                        : style < 2.0 / 3.0 ? BotDrafter::Style::G
                                            : BotDrafter::Style::H;
        drafter.omega = kLeastOmega + (kMostOmega - kLeastOmega) * unitFromBits(random.next());
        drafter.gamma = kLeastGamma + (kMostGamma - kLeastGamma) * unitFromBits(random.next());
    }
    return drafters;
}

BotPicks::BotPicks(const DraftModel& model, std::uint64_t seed)
    : m_noisy(practicePositions(model, seed)) {
    const ZScores z(model);
    if (!model.headToHead()) {
        for (std::size_t p = 0; p < model.players.size(); ++p) {
            m_total.push_back(z.total(p));
        }
        return;
    }
    const GScores g(model, z);
    m_basis.emplace(model, g);
    for (std::size_t p = 0; p < model.players.size(); ++p) {
        m_total.push_back(m_basis->g(p));
    }
}

std::optional<std::size_t> BotPicks::byG(const DraftModel& model, std::size_t team) const {
    const OpenSlots open = openSlotsOf(model)[team];
    std::optional<std::size_t> best;
    bool bestStarts = false;
    for (std::size_t p = 0; p < model.players.size(); ++p) {
        const ModelPlayer& player = model.players[p];
        const std::uint16_t fits = slotPreferenceOf(player).mask & open.mask;
        if (!player.available() || fits == 0) {
            continue;
        }
        const bool starts = (fits & static_cast<std::uint16_t>(~kReserveKind)) != 0;
        const bool better =
            !best || (starts && !bestStarts) ||
            (starts == bestStarts &&
             (m_total[p] != m_total[*best] ? m_total[p] > m_total[*best]
                                           : player.playerid < model.players[*best].playerid));
        if (better) {
            best = p;
            bestStarts = starts;
        }
    }
    return best;
}

std::optional<std::size_t> BotPicks::pick(const DraftModel& model, std::size_t team,
                                          const BotDrafter& drafter) const {
    if (team >= model.teams.size()) {
        return std::nullopt;
    }
    switch (drafter.style) {
        case BotDrafter::Style::Adp:
            return opponentPick(model, team, m_noisy);
        case BotDrafter::Style::G:
            return byG(model, team);
        case BotDrafter::Style::H:
            break;
    }
    if (!m_basis) {
        return byG(model, team);
    }
    HScoreRequest request;
    request.team = team;
    request.search.objective = leagueObjective(model.headToHeadMode());
    request.search.omega = drafter.omega;
    request.search.gamma = drafter.gamma;
    const std::optional<std::vector<HScoreRow>> rows = hScores(model, *m_basis, request);
    if (!rows || rows->empty()) {
        return byG(model, team);
    }
    return rows->front().player;
}

}  // namespace quorvane
