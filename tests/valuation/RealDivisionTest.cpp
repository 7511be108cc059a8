// SPDX-License-Identifier: MIT
// Every statement the valuation, the standings, the targets, the player lists and the exports
// build must divide in real numbers: SQLite divides two integers as integers and truncates.
#include <gtest/gtest.h>

#include <cctype>
#include <regex>
#include <string>
#include <vector>

#include "LeagueFixture.h"
#include "projections/Exports.h"
#include "room/PlayerLists.h"
#include "session/ProjectionConversation.h"
#include "session/RoomRefresh.h"
#include "session/ValuationConversation.h"
#include "store/StatementTrace.h"
#include "valuation/CategoryTargets.h"
#include "valuation/DollarValues.h"
#include "valuation/Ranks.h"
#include "valuation/Standings.h"
#include "vocabulary/CategoryCatalogue.h"

namespace quorvane::test {

namespace {

// The statement with its quoted texts and bracketed names blanked, so that the "/" in 'A/T'
// or [A/T] is no division.
std::string withoutQuotedText(std::string_view sql) {
    std::string text(sql);
    char closing = 0;
    for (char& c : text) {
        if (closing != 0) {
            closing = c == closing ? 0 : closing;
            c = ' ';
        } else if (c == '\'' || c == '"' || c == '[') {
            closing = c == '[' ? ']' : c;
            c = ' ';
        }
    }
    return text;
}

bool isNamePart(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '.' || c == '?';
}

// The bracketed group that closes at `close`, with the name of the function it belongs to.
std::size_t groupStart(const std::string& text, std::size_t close) {
    int depth = 0;
    std::size_t at = close;
    while (true) {
        depth += text[at] == ')' ? 1 : text[at] == '(' ? -1 : 0;
        if (depth == 0 || at == 0) {
            break;
        }
        --at;
    }
    while (at > 0 && isNamePart(text[at - 1])) {
        --at;
    }
    return at;
}

std::size_t groupEnd(const std::string& text, std::size_t open) {
    int depth = 0;
    for (std::size_t at = open; at < text.size(); ++at) {
        depth += text[at] == '(' ? 1 : text[at] == ')' ? -1 : 0;
        if (depth == 0) {
            return at + 1;
        }
    }
    return text.size();
}

std::string leftOperand(const std::string& text, std::size_t slash) {
    std::size_t end = slash;
    while (end > 0 && text[end - 1] == ' ') {
        --end;
    }
    if (end == 0) {
        return {};
    }
    std::size_t begin = end - 1;
    if (text[begin] == ')') {
        begin = groupStart(text, begin);
    } else {
        while (begin > 0 && isNamePart(text[begin - 1])) {
            --begin;
        }
    }
    return text.substr(begin, end - begin);
}

std::string rightOperand(const std::string& text, std::size_t slash) {
    std::size_t begin = slash + 1;
    while (begin < text.size() &&
           (text[begin] == ' ' || text[begin] == '-' || text[begin] == '+')) {
        ++begin;
    }
    std::size_t end = begin;
    const auto exponentSign = [&](std::size_t at) {
        return (text[at] == '-' || text[at] == '+') && at > begin &&
               (text[at - 1] == 'e' || text[at - 1] == 'E') &&
               std::isdigit(static_cast<unsigned char>(text[begin])) != 0;
    };
    while (end < text.size() && (isNamePart(text[end]) || exponentSign(end))) {
        ++end;
    }
    if (end < text.size() && text[end] == '(') {
        end = groupEnd(text, end);
    }
    return text.substr(begin, end - begin);
}

// An operand that is real whatever the columns hold: it holds a real literal (130.0, .828,
// 1e-05) or a cast to REAL.
bool isRealOperand(const std::string& operand) {
    static const std::regex kRealLiteral(R"((^|[^A-Za-z0-9_])(\d+\.\d*|\.\d+|\d+[eE][-+]?\d+))");
    static const std::regex kCastToReal(R"(as\s+real)", std::regex::icase);
    return std::regex_search(operand, kRealLiteral) || std::regex_search(operand, kCastToReal);
}

// Every division of the statement that may be a whole-number one, as "left / right".
std::vector<std::string> wholeNumberDivisions(std::string_view sql) {
    const std::string text = withoutQuotedText(sql);
    std::vector<std::string> found;
    for (std::size_t at = text.find('/'); at != std::string::npos; at = text.find('/', at + 1)) {
        const std::string left = leftOperand(text, at);
        const std::string right = rightOperand(text, at);
        if (!isRealOperand(left) && !isRealOperand(right)) {
            found.push_back(left + " / " + right);
        }
    }
    return found;
}

// Collects every statement run while it lives.
struct StatementLog {
    explicit StatementLog(TestProgram& program)
        : trace(program.state.dbConnection,
                [this](std::string_view sql) { statements.emplace_back(sql); }) {}
    std::vector<std::string> statements;
    StatementTrace trace;
};

}  // namespace

TEST(RealDivision, TheScanFindsWholeNumberDivisionsOnly) {
    EXPECT_EQ(wholeNumberDivisions("update proj_cats set sgp = (ast/130 + pts/290.0)"),
              std::vector<std::string>{"ast / 130"});
    EXPECT_EQ(wholeNumberDivisions("select ((2540 + ast)/(680 + games) - 2.36)/0.14"),
              std::vector<std::string>{"(2540 + ast) / (680 + games)"});
    EXPECT_EQ(wholeNumberDivisions("select turnovers/-51, sum(dp.fgm)/sum(dp.fga)").size(), 2U);
    EXPECT_TRUE(wholeNumberDivisions("select dp.assists*1.0/dp.games, ast/1e-05, "
                                     "(2540.0 + ast)/(680 + games), 'A/T', x as [A/T], "
                                     "CAST(sum(x) AS REAL)/count(*)")
                    .empty());
}

// All 27 categories in one draft, valued as a rotisserie auction and as a points auction, with
// the standings, the targets, every sort of the player lists and every export.
TEST(RealDivision, NoStatementDividesWholeNumbers) {
    TestProgram program;
    League league(program, 2, kDraftTypeAuction, kScoringRotisserie);
    league.rosterSlots({.C = 1, .G = 1, .UT = 1}).money(97, 1);
    std::vector<std::pair<int, double>> all;
    for (const CategoryDefinition& category : categoryCatalogue()) {
        all.emplace_back(category.categoryid, 1.0);
    }
    program.exec("delete from DraftCategory where template_id = " + std::to_string(league.id));
    for (const auto& [categoryid, weight] : all) {
        program.exec("insert into DraftCategory (template_id, categoryid, points) values (" +
                     std::to_string(league.id) + ", " + std::to_string(categoryid) + ", 2)");
    }
    for (int id = 1; id <= 6; ++id) {
        league.player(StatLine{id, 60 + 7 * id, 97 + id, 71 + id, 613 + 3 * id, 277 + id, 89 + id,
                               23 + id, 37 + id, 167 + id, 139 + id, 47 + id, 23 + id, 97 + id, id,
                               id % 2, id % 3 == 0 ? 1 : 0});
    }
    league.pick(1, 1, "G", 13).pick(3, 2, "C", 7);
    league.load();
    TempFolder exports;

    StatementLog log(program);
    for (const int style : {kScoringRotisserie, kScoringPoints}) {
        program.exec("update DraftTemplate set scoringstyle = " + std::to_string(style));
        league.load();
        ProgramState& state = program.state;
        ASSERT_TRUE(calcDollarValues(state, state.showInflation));
        ASSERT_TRUE(calcRanks(state, program.dialogs));
        ASSERT_TRUE(calcStandings(state, state.includeReserves, false));
        ASSERT_TRUE(showCategoryTargets(state, program.dialogs));
        const auto headings = availablePlayerHeadings(*state.draftSettings());
        for (int column = 0; column < static_cast<int>(headings.size()); ++column) {
            ASSERT_TRUE(fillAvailablePlayers(state, listShowing(state), "All Players", column))
                << headings[column];
        }
        for (const char* key : {"$", "rk", "name", "age", "team", "pos", "gp", "pts", "ast", "stl",
                                "blk", "to", "orb", "drb", "reb", "fgp", "ftp", "3pct", "3ptm"}) {
            ASSERT_TRUE(fillResearchGrid(state, "available", key)) << key;
            ASSERT_TRUE(fillResearchGrid(state, "taken", key)) << key;
        }
        for (const ExportKind kind :
             {ExportKind::Rosters, ExportKind::DraftResults, ExportKind::Projections}) {
            // The second scoring style writes the same files again.
            ASSERT_TRUE(runExport(state, program.dialogs, kind, exports.str(), true));
        }
    }

    ASSERT_GT(log.statements.size(), 100U);
    for (const std::string& sql : log.statements) {
        EXPECT_EQ(wholeNumberDivisions(sql), std::vector<std::string>{}) << sql;
    }
}

}  // namespace quorvane::test
