// SPDX-License-Identifier: MIT
#include "LeagueFixture.h"

#include <cmath>

#include "model/DraftModelLoader.h"
#include "session/DraftModelConversation.h"
#include "valuation/PointsValuation.h"
#include "valuation/RotisserieValuation.h"
#include "valuation/SgpDenominators.h"

#include <fmt/format.h>

#include "model/DraftLoader.h"

namespace quorvane::test {

League::League(TestProgram& program, int teams, int drafttype, int scoringstyle)
    : m_program(program) {
    static int counter = 0;
    id = program.newDraft("League " + std::to_string(++counter), teams,
                          drafttype == kDraftTypeAuction, scoringstyle == kScoringRotisserie);
    program.exec(fmt::format(
        "update DraftTemplate set drafttype = {}, scoringstyle = {} where template_id = {}",
        drafttype, scoringstyle, id));
    rosterSlots({});
    load();
}

League& League::rosterSlots(const Slots& s) {
    m_program.exec(fmt::format(
        "update DraftRoster set C={}, F={}, G={}, PG={}, SG={}, SF={}, PF={}, UT={}, R={} "
        "where template_id = {}",
        s.C, s.F, s.G, s.PG, s.SG, s.SF, s.PF, s.UT, s.R, id));
    return *this;
}

League& League::money(double dollars, double minbid) {
    m_program.exec(
        fmt::format("update DraftTemplate set dollars = {}, minbid = {} where template_id = {}",
                    dollars, minbid, id));
    return *this;
}

League& League::categories(std::initializer_list<std::pair<int, double>> categories) {
    m_program.exec(fmt::format("delete from DraftCategory where template_id = {}", id));
    for (const auto& [categoryid, weight] : categories) {
        m_program.exec(fmt::format(
            "insert into DraftCategory (template_id, categoryid, points) values ({}, {}, {})", id,
            categoryid, weight));
    }
    return *this;
}

League& League::denominator(int categoryid, double value) {
    m_program.exec(fmt::format("update category set sgp_denominator = {} where categoryid = {}",
                               value, categoryid));
    return *this;
}

League& League::player(const PlayerRow& p) {
    m_program.exec(fmt::format(
        "insert into DraftPlayers (playerid, stat_indicator, yearofprojection, firstname, "
        "lastname, games, ftm, fta, fgm, fga, turnovers, PG, SG, SF, PF, C) values "
        "({}, 'P', {}, 'First', '{}', {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {})",
        p.playerid, p.yearofprojection, p.lastname, p.games, p.ftm, p.ftm, p.fgm, p.fga,
        p.turnovers, p.PG, p.SG, p.SF, p.PF, p.C));
    return *this;
}

League& League::player(const StatLine& p) {
    m_program.exec(fmt::format(
        "insert into DraftPlayers (playerid, stat_indicator, yearofprojection, firstname, "
        "lastname, games, fta, ftm, fga, fgm, pt3a, pt3m, oreb, dreb, assists, steals, blocks, "
        "turnovers, doubledouble, tripledouble, PG, C) values ({}, 'P', {}, 'First', 'Player{}', "
        "{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {})",
        p.playerid, kProjectionYear, p.playerid, p.games, p.fta, p.ftm, p.fga, p.fgm, p.pt3a,
        p.pt3m, p.oreb, p.dreb, p.assists, p.steals, p.blocks, p.turnovers, p.doubledouble,
        p.tripledouble, p.C == 0 ? 1 : 0, p.C));
    return *this;
}

League& League::pick(int playerid, int draftposition, const std::string& pos, double dollars) {
    m_program.exec(fmt::format(
        "insert into DraftTaken (template_id, playerid, teamid, pos, draftorder, dollars) "
        "values ({}, {}, {}, '{}', {}, {})",
        id, playerid, teamId(draftposition), pos, ++m_picks, dollars));
    return *this;
}

void League::load() {
    loadDraft(m_program.state, id);
}

int League::teamId(int draftposition) {
    return static_cast<int>(m_program.scalar(
        fmt::format("select teamid from DraftTeams where template_id = {} and draftposition = {}",
                    id, draftposition)));
}

double League::dollars(int playerid, int year) {
    return m_program.scalar(fmt::format(
        "select dollars from DraftPlayers where playerid = {} and yearofprojection = {}", playerid,
        year));
}

double League::sgpAboveLevel(int playerid) {
    ProgramState& state = m_program.state;
    const DraftModel* model = currentDraftModel(state, m_program.dialogs);
    if (model == nullptr || !loadSgpDenominators(state)) {
        return std::nan("");
    }
    const auto valuation = rotisserieValuation(*state.draftSettings(), state.sgpDenominators(),
                                               *model, state.showInflation);
    if (valuation) {
        for (const RotisserieValuation::Player& player : valuation->players) {
            if (player.playerid == playerid) {
                return player.aboveLevel;
            }
        }
    }
    return std::nan("");
}

std::optional<double> League::vbd(int playerid) {
    ProgramState& state = m_program.state;
    const DraftModel* model = currentDraftModel(state, m_program.dialogs);
    const auto valuation =
        model != nullptr ? pointsValuation(*state.draftSettings(), *model, state.showInflation)
                         : std::nullopt;
    if (valuation) {
        for (const PointsValuation::Player& player : valuation->players) {
            if (player.playerid == playerid) {
                return player.vbd;
            }
        }
    }
    return std::nullopt;
}

std::vector<std::string> League::baselinePositions() {
    ProgramState& state = m_program.state;
    const DraftModel* model = currentDraftModel(state, m_program.dialogs);
    const auto valuation =
        model != nullptr ? pointsValuation(*state.draftSettings(), *model, state.showInflation)
                         : std::nullopt;
    std::vector<std::string> letters;
    if (valuation) {
        for (const auto& baseline : valuation->baselines) {
            letters.emplace_back(baseline.position);
        }
    }
    return letters;
}

int League::rank(int playerid, int year) {
    return static_cast<int>(m_program.scalar(fmt::format(
        "select draftorder from DraftPlayers where playerid = {} and yearofprojection = {}",
        playerid, year)));
}

League threeTeamLeague(TestProgram& program, int scoringstyle,
                       std::initializer_list<std::pair<int, double>> categories) {
    League league(program, 3, kDraftTypeSnake, scoringstyle);
    league.categories(categories)
        .player({.playerid = 1, .lastname = "A", .ftm = 10, .fgm = 5, .fga = 10, .turnovers = 10})
        .player({.playerid = 2, .lastname = "B", .fgm = 10, .fga = 20, .turnovers = 5})
        .player({.playerid = 3, .lastname = "C", .ftm = 4, .fgm = 3, .fga = 9, .turnovers = 5})
        .player({.playerid = 4, .lastname = "D", .fgm = 20, .fga = 20})
        .pick(1, 1, "G")
        .pick(2, 2, "F")
        .pick(3, 3, "C")
        .pick(4, 3, "R");
    league.load();
    return league;
}

}  // namespace quorvane::test
