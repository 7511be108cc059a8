// SPDX-License-Identifier: MIT
#include "room/CustomPlayerRules.h"

#include <array>
#include <string_view>

#include "text/NumberText.h"
#include "text/TextChecks.h"

namespace quorvane {

namespace {

struct Eligibility {
    std::string_view chosen;
    std::string_view stored;
    int c, pg, sg, pf, sf;
};

constexpr Eligibility kEligibility[] = {
    {"C", "C", 1, 0, 0, 0, 0},  {"PG", "G", 0, 1, 0, 0, 0}, {"SG", "G", 0, 0, 1, 0, 0},
    {"PF", "F", 0, 0, 0, 1, 0}, {"SF", "F", 0, 0, 0, 0, 1},
};

struct TextField {
    std::string_view title;
    std::string_view name;
    std::string_view text;
    std::size_t longest;
};

}  // namespace

CustomPlayerRuling ruleCustomPlayer(const CustomPlayer& player) {
    if (trim(player.firstname).empty()) {
        return kInvalidFirstName;
    }
    if (trim(player.lastname).empty()) {
        return kInvalidLastName;
    }
    const std::array<TextField, 3> fields = {{
        {kInvalidFirstName.title, "First Name", player.firstname, kMaxNameCharacters},
        {kInvalidLastName.title, "Last Name", player.lastname, kMaxNameCharacters},
        {"Invalid Team", "Team", player.team, kMaxTeamCodeCharacters},
    }};
    for (const TextField& field : fields) {
        if (const auto problem = textProblem(field.text, field.longest)) {
            return Message{std::string(field.title), std::string(field.name) + " " + *problem,
                           MessageIcon::Exclamation};
        }
    }
    for (const Eligibility& entry : kEligibility) {
        if (entry.chosen == player.pos) {
            CustomPlayerRow row;
            row.firstname = player.firstname;
            row.lastname = player.lastname;
            row.pos = std::string(entry.stored);
            row.team = player.team;
            row.listedPos = player.pos;
            row.c = entry.c;
            row.pg = entry.pg;
            row.sg = entry.sg;
            row.pf = entry.pf;
            row.sf = entry.sf;
            return row;
        }
    }
    return SilentRefusal{};
}

std::optional<RuleMessage> namesakeRefusal(std::int64_t playersOfThatName) {
    if (playersOfThatName > 0) {
        return kPlayerExists;
    }
    return std::nullopt;
}

int nextCustomPlayerid(int highestSoFar) {
    return highestSoFar == 0 ? kFirstCustomPlayerId : highestSoFar + 1;
}

}  // namespace quorvane
