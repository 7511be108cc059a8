// SPDX-License-Identifier: MIT
#include "room/CommonRefusals.h"

#include <cmath>
#include <string>

namespace quorvane {

Decision refusedWith(Message message) {
    Decision decision;
    decision.refusal = std::move(message);
    return decision;
}

Decision refusedWith(const RuleMessage& rule) {
    return refusedWith(
        Message{std::string(rule.title), std::string(rule.text), MessageIcon::Exclamation});
}

std::optional<Message> teamRefusal(const DraftModel& model, int teamid) {
    if (model.settings && model.findTeam(teamid) != nullptr) {
        return std::nullopt;
    }
    return Message{"No Team Selected", "Please select the team that made this pick.",
                   MessageIcon::Exclamation};
}

std::optional<Message> bidRefusal(const DraftModel& model, double price) {
    if (!model.settings || !model.auction()) {
        return std::nullopt;
    }
    const double pot = static_cast<double>(model.settings->teams) * model.settings->dollars;
    if (std::isfinite(price) && price >= 0 && price <= pot) {
        return std::nullopt;
    }
    return Message{"Invalid Bid", "Bid for this player is invalid", MessageIcon::Exclamation};
}

}  // namespace quorvane
