// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "hscores/FuturePickShift.h"
#include "hscores/HScoreBasis.h"
#include "model/DraftModel.h"

namespace quorvane {

// How a practice draft's opponents draft: all by ADP with noise, all by G, all by H-scores, or
// each in a style of his own drawn from the practice's seed.
enum class BotMix { Adp, G, H, Mix };

// "adp", "g", "h", "mix"; nullopt for any other text.
std::optional<BotMix> botMixNamed(std::string_view text);
std::string_view botMixName(BotMix mix);

struct BotDrafter {
    enum class Style { Adp, G, H };
    Style style = Style::Adp;
    // H drafters: how they weigh the future picks.
    double omega = kDefaultOmega;
    double gamma = kDefaultGamma;
};

// Bounds of a mixed practice's H drafters, from cautious to bold.
inline constexpr double kLeastOmega = 0.5;
inline constexpr double kMostOmega = 0.9;
inline constexpr double kLeastGamma = 0.1;
inline constexpr double kMostGamma = 0.4;

// Each team's drafter (by index into model.teams). With Mix each draws its style (a third each)
// and, drafting by H, omega and gamma (uniform within the bounds above) once, from the seed and
// its team id alone: the same practice keeps the same opponents however often it is run on.
std::vector<BotDrafter> botDrafters(const DraftModel& model, BotMix mix, std::uint64_t seed);

// The bots' choices over one draft, whose projections stay while its picks change: the noisy
// positions and the ranking by total G (outside head-to-head leagues by total z, and H drafters
// draft as G drafters there, since H-scores weigh weekly matchups) are worked out once.
class BotPicks {
  public:
    BotPicks(const DraftModel& model, std::uint64_t seed);

    // The team's pick (index into model.players), nullopt when it can roster no one. ADP: the
    // lowest noisy position it can roster. G: the best total G among the players who fit an
    // open starting slot, else among those who fit any open slot. H: the best H-score among its
    // forty best candidates by G, as a G drafter when it has none (no open starting slot).
    std::optional<std::size_t> pick(const DraftModel& model, std::size_t team,
                                    const BotDrafter& drafter) const;

  private:
    std::optional<std::size_t> byG(const DraftModel& model, std::size_t team) const;

    std::vector<double> m_noisy;
    std::vector<double> m_total;
    std::optional<HScoreBasis> m_basis;
};

}  // namespace quorvane
