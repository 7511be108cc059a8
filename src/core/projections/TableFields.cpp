// SPDX-License-Identifier: MIT
#include "projections/TableFields.h"

#include <array>
#include <cctype>
#include <unordered_map>

namespace quorvane {

namespace {

struct FieldNaming {
    TableField field;
    std::string_view name;
};

constexpr std::array kFieldNames = {
    FieldNaming{TableField::Ignore, "ignore"},
    FieldNaming{TableField::Name, "name"},
    FieldNaming{TableField::FirstName, "firstname"},
    FieldNaming{TableField::LastName, "lastname"},
    FieldNaming{TableField::Team, "team"},
    FieldNaming{TableField::Position, "pos"},
    FieldNaming{TableField::Games, "games"},
    FieldNaming{TableField::Minutes, "minutes"},
    FieldNaming{TableField::Points, "points"},
    FieldNaming{TableField::FieldGoalsMade, "fgm"},
    FieldNaming{TableField::FieldGoalsAttempted, "fga"},
    FieldNaming{TableField::FieldGoalPercentage, "fgpct"},
    FieldNaming{TableField::FreeThrowsMade, "ftm"},
    FieldNaming{TableField::FreeThrowsAttempted, "fta"},
    FieldNaming{TableField::FreeThrowPercentage, "ftpct"},
    FieldNaming{TableField::ThreesMade, "pt3m"},
    FieldNaming{TableField::ThreesAttempted, "pt3a"},
    FieldNaming{TableField::ThreePercentage, "pt3pct"},
    FieldNaming{TableField::OffensiveRebounds, "oreb"},
    FieldNaming{TableField::DefensiveRebounds, "dreb"},
    FieldNaming{TableField::Rebounds, "reb"},
    FieldNaming{TableField::Assists, "assists"},
    FieldNaming{TableField::Steals, "steals"},
    FieldNaming{TableField::Blocks, "blocks"},
    FieldNaming{TableField::Turnovers, "turnovers"},
    FieldNaming{TableField::DoubleDoubles, "doubledouble"},
    FieldNaming{TableField::TripleDoubles, "tripledouble"},
    FieldNaming{TableField::Adp, "adp"},
    FieldNaming{TableField::Aav, "aav"},
};

struct HeadingAlias {
    std::string_view heading;  // as tables write it; compared after normaliseHeading
    TableField field;
    FigureBasis basis;
};

constexpr FigureBasis kEither = FigureBasis::Either;
constexpr FigureBasis kPerGame = FigureBasis::PerGame;

// Every heading the import knows. The field's own name (fieldName) is always accepted too.
constexpr std::array kAliases = {
    HeadingAlias{"Name", TableField::Name, kEither},
    HeadingAlias{"Player", TableField::Name, kEither},
    HeadingAlias{"Player Name", TableField::Name, kEither},
    HeadingAlias{"Full Name", TableField::Name, kEither},
    HeadingAlias{"First", TableField::FirstName, kEither},
    HeadingAlias{"First Name", TableField::FirstName, kEither},
    HeadingAlias{"Given Name", TableField::FirstName, kEither},
    HeadingAlias{"Last", TableField::LastName, kEither},
    HeadingAlias{"Last Name", TableField::LastName, kEither},
    HeadingAlias{"Surname", TableField::LastName, kEither},
    HeadingAlias{"Family Name", TableField::LastName, kEither},
    HeadingAlias{"Team", TableField::Team, kEither},
    HeadingAlias{"Tm", TableField::Team, kEither},
    HeadingAlias{"NBA Team", TableField::Team, kEither},
    HeadingAlias{"Team Abbreviation", TableField::Team, kEither},
    HeadingAlias{"Pos", TableField::Position, kEither},
    HeadingAlias{"Position", TableField::Position, kEither},
    HeadingAlias{"Positions", TableField::Position, kEither},
    HeadingAlias{"Eligible Positions", TableField::Position, kEither},
    HeadingAlias{"G", TableField::Games, kEither},
    HeadingAlias{"GP", TableField::Games, kEither},
    HeadingAlias{"Games", TableField::Games, kEither},
    HeadingAlias{"Games Played", TableField::Games, kEither},
    HeadingAlias{"MP", TableField::Minutes, kEither},
    HeadingAlias{"Min", TableField::Minutes, kEither},
    HeadingAlias{"Mins", TableField::Minutes, kEither},
    HeadingAlias{"Minutes Played", TableField::Minutes, kEither},
    HeadingAlias{"m/g", TableField::Minutes, kPerGame},
    HeadingAlias{"MPG", TableField::Minutes, kPerGame},
    HeadingAlias{"Min/G", TableField::Minutes, kPerGame},
    HeadingAlias{"Minutes per Game", TableField::Minutes, kPerGame},
    HeadingAlias{"PTS", TableField::Points, kEither},
    HeadingAlias{"Points", TableField::Points, kEither},
    HeadingAlias{"p/g", TableField::Points, kPerGame},
    HeadingAlias{"PPG", TableField::Points, kPerGame},
    HeadingAlias{"Pts/G", TableField::Points, kPerGame},
    HeadingAlias{"Points per Game", TableField::Points, kPerGame},
    HeadingAlias{"FG", TableField::FieldGoalsMade, kEither},
    HeadingAlias{"FGM", TableField::FieldGoalsMade, kEither},
    HeadingAlias{"Field Goals", TableField::FieldGoalsMade, kEither},
    HeadingAlias{"Field Goals Made", TableField::FieldGoalsMade, kEither},
    HeadingAlias{"fgm/g", TableField::FieldGoalsMade, kPerGame},
    HeadingAlias{"FGA", TableField::FieldGoalsAttempted, kEither},
    HeadingAlias{"Field Goals Attempted", TableField::FieldGoalsAttempted, kEither},
    HeadingAlias{"Field Goal Attempts", TableField::FieldGoalsAttempted, kEither},
    HeadingAlias{"fga/g", TableField::FieldGoalsAttempted, kPerGame},
    HeadingAlias{"FG%", TableField::FieldGoalPercentage, kEither},
    HeadingAlias{"FGP", TableField::FieldGoalPercentage, kEither},
    HeadingAlias{"FG Pct", TableField::FieldGoalPercentage, kEither},
    HeadingAlias{"Field Goal %", TableField::FieldGoalPercentage, kEither},
    HeadingAlias{"Field Goal Percentage", TableField::FieldGoalPercentage, kEither},
    HeadingAlias{"FGM/A", TableField::FieldGoalPercentage, kEither},
    HeadingAlias{"FGM-FGA", TableField::FieldGoalPercentage, kEither},
    HeadingAlias{"FT", TableField::FreeThrowsMade, kEither},
    HeadingAlias{"FTM", TableField::FreeThrowsMade, kEither},
    HeadingAlias{"Free Throws", TableField::FreeThrowsMade, kEither},
    HeadingAlias{"Free Throws Made", TableField::FreeThrowsMade, kEither},
    HeadingAlias{"ftm/g", TableField::FreeThrowsMade, kPerGame},
    HeadingAlias{"FTA", TableField::FreeThrowsAttempted, kEither},
    HeadingAlias{"Free Throws Attempted", TableField::FreeThrowsAttempted, kEither},
    HeadingAlias{"Free Throw Attempts", TableField::FreeThrowsAttempted, kEither},
    HeadingAlias{"fta/g", TableField::FreeThrowsAttempted, kPerGame},
    HeadingAlias{"FT%", TableField::FreeThrowPercentage, kEither},
    HeadingAlias{"FTP", TableField::FreeThrowPercentage, kEither},
    HeadingAlias{"FT Pct", TableField::FreeThrowPercentage, kEither},
    HeadingAlias{"Free Throw %", TableField::FreeThrowPercentage, kEither},
    HeadingAlias{"Free Throw Percentage", TableField::FreeThrowPercentage, kEither},
    HeadingAlias{"FTM/A", TableField::FreeThrowPercentage, kEither},
    HeadingAlias{"FTM-FTA", TableField::FreeThrowPercentage, kEither},
    HeadingAlias{"3P", TableField::ThreesMade, kEither},
    HeadingAlias{"3PM", TableField::ThreesMade, kEither},
    HeadingAlias{"3PTM", TableField::ThreesMade, kEither},
    HeadingAlias{"3PT", TableField::ThreesMade, kEither},
    HeadingAlias{"FG3M", TableField::ThreesMade, kEither},
    HeadingAlias{"3FGM", TableField::ThreesMade, kEither},
    HeadingAlias{"Threes", TableField::ThreesMade, kEither},
    HeadingAlias{"3-Pointers Made", TableField::ThreesMade, kEither},
    HeadingAlias{"Three Pointers Made", TableField::ThreesMade, kEither},
    HeadingAlias{"3/g", TableField::ThreesMade, kPerGame},
    HeadingAlias{"3PM/G", TableField::ThreesMade, kPerGame},
    HeadingAlias{"3PA", TableField::ThreesAttempted, kEither},
    HeadingAlias{"3PTA", TableField::ThreesAttempted, kEither},
    HeadingAlias{"FG3A", TableField::ThreesAttempted, kEither},
    HeadingAlias{"3FGA", TableField::ThreesAttempted, kEither},
    HeadingAlias{"3-Pointers Attempted", TableField::ThreesAttempted, kEither},
    HeadingAlias{"Three Pointers Attempted", TableField::ThreesAttempted, kEither},
    HeadingAlias{"3PA/G", TableField::ThreesAttempted, kPerGame},
    HeadingAlias{"3P%", TableField::ThreePercentage, kEither},
    HeadingAlias{"3PT%", TableField::ThreePercentage, kEither},
    HeadingAlias{"3PCT", TableField::ThreePercentage, kEither},
    HeadingAlias{"FG3%", TableField::ThreePercentage, kEither},
    HeadingAlias{"FG3 Pct", TableField::ThreePercentage, kEither},
    HeadingAlias{"3FG%", TableField::ThreePercentage, kEither},
    HeadingAlias{"Three Point %", TableField::ThreePercentage, kEither},
    HeadingAlias{"3PM/A", TableField::ThreePercentage, kEither},
    HeadingAlias{"3PM-3PA", TableField::ThreePercentage, kEither},
    HeadingAlias{"ORB", TableField::OffensiveRebounds, kEither},
    HeadingAlias{"OREB", TableField::OffensiveRebounds, kEither},
    HeadingAlias{"OR", TableField::OffensiveRebounds, kEither},
    HeadingAlias{"Offensive Rebounds", TableField::OffensiveRebounds, kEither},
    HeadingAlias{"ORPG", TableField::OffensiveRebounds, kPerGame},
    HeadingAlias{"oreb/g", TableField::OffensiveRebounds, kPerGame},
    HeadingAlias{"DRB", TableField::DefensiveRebounds, kEither},
    HeadingAlias{"DREB", TableField::DefensiveRebounds, kEither},
    HeadingAlias{"DR", TableField::DefensiveRebounds, kEither},
    HeadingAlias{"Defensive Rebounds", TableField::DefensiveRebounds, kEither},
    HeadingAlias{"DRPG", TableField::DefensiveRebounds, kPerGame},
    HeadingAlias{"dreb/g", TableField::DefensiveRebounds, kPerGame},
    HeadingAlias{"TRB", TableField::Rebounds, kEither},
    HeadingAlias{"TREB", TableField::Rebounds, kEither},
    HeadingAlias{"REB", TableField::Rebounds, kEither},
    HeadingAlias{"Rebounds", TableField::Rebounds, kEither},
    HeadingAlias{"Total Rebounds", TableField::Rebounds, kEither},
    HeadingAlias{"r/g", TableField::Rebounds, kPerGame},
    HeadingAlias{"RPG", TableField::Rebounds, kPerGame},
    HeadingAlias{"Reb/G", TableField::Rebounds, kPerGame},
    HeadingAlias{"Rebounds per Game", TableField::Rebounds, kPerGame},
    HeadingAlias{"AST", TableField::Assists, kEither},
    HeadingAlias{"A", TableField::Assists, kEither},
    HeadingAlias{"Assists", TableField::Assists, kEither},
    HeadingAlias{"a/g", TableField::Assists, kPerGame},
    HeadingAlias{"APG", TableField::Assists, kPerGame},
    HeadingAlias{"Ast/G", TableField::Assists, kPerGame},
    HeadingAlias{"Assists per Game", TableField::Assists, kPerGame},
    HeadingAlias{"STL", TableField::Steals, kEither},
    HeadingAlias{"ST", TableField::Steals, kEither},
    HeadingAlias{"Steals", TableField::Steals, kEither},
    HeadingAlias{"s/g", TableField::Steals, kPerGame},
    HeadingAlias{"SPG", TableField::Steals, kPerGame},
    HeadingAlias{"Stl/G", TableField::Steals, kPerGame},
    HeadingAlias{"Steals per Game", TableField::Steals, kPerGame},
    HeadingAlias{"BLK", TableField::Blocks, kEither},
    HeadingAlias{"BK", TableField::Blocks, kEither},
    HeadingAlias{"Blocks", TableField::Blocks, kEither},
    HeadingAlias{"Blocked Shots", TableField::Blocks, kEither},
    HeadingAlias{"b/g", TableField::Blocks, kPerGame},
    HeadingAlias{"BPG", TableField::Blocks, kPerGame},
    HeadingAlias{"Blk/G", TableField::Blocks, kPerGame},
    HeadingAlias{"Blocks per Game", TableField::Blocks, kPerGame},
    HeadingAlias{"TO", TableField::Turnovers, kEither},
    HeadingAlias{"TOV", TableField::Turnovers, kEither},
    HeadingAlias{"Turnovers", TableField::Turnovers, kEither},
    HeadingAlias{"to/g", TableField::Turnovers, kPerGame},
    HeadingAlias{"TOPG", TableField::Turnovers, kPerGame},
    HeadingAlias{"TOV/G", TableField::Turnovers, kPerGame},
    HeadingAlias{"Turnovers per Game", TableField::Turnovers, kPerGame},
    HeadingAlias{"DD", TableField::DoubleDoubles, kEither},
    HeadingAlias{"DD2", TableField::DoubleDoubles, kEither},
    HeadingAlias{"Double Doubles", TableField::DoubleDoubles, kEither},
    HeadingAlias{"TD", TableField::TripleDoubles, kEither},
    HeadingAlias{"TD3", TableField::TripleDoubles, kEither},
    HeadingAlias{"Triple Doubles", TableField::TripleDoubles, kEither},
    HeadingAlias{"ADP", TableField::Adp, kEither},
    HeadingAlias{"Avg Pick", TableField::Adp, kEither},
    HeadingAlias{"Average Pick", TableField::Adp, kEither},
    HeadingAlias{"Avg Draft Position", TableField::Adp, kEither},
    HeadingAlias{"Average Draft Position", TableField::Adp, kEither},
    HeadingAlias{"AAV", TableField::Aav, kEither},
    HeadingAlias{"Avg $", TableField::Aav, kEither},
    HeadingAlias{"Avg Cost", TableField::Aav, kEither},
    HeadingAlias{"Avg Auction Value", TableField::Aav, kEither},
    HeadingAlias{"Average Auction Value", TableField::Aav, kEither},
    HeadingAlias{"Avg Salary", TableField::Aav, kEither},
};

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

const std::unordered_map<std::string, FieldOfHeading>& aliasIndex() {
    static const std::unordered_map<std::string, FieldOfHeading> index = [] {
        std::unordered_map<std::string, FieldOfHeading> built;
        for (const FieldNaming& naming : kFieldNames) {
            if (naming.field != TableField::Ignore) {
                built[normaliseHeading(naming.name)] = {naming.field, kEither};
            }
        }
        for (const HeadingAlias& alias : kAliases) {
            built[normaliseHeading(alias.heading)] = {alias.field, alias.basis};
        }
        return built;
    }();
    return index;
}

}  // namespace

std::string_view tableFieldName(TableField field) {
    for (const FieldNaming& naming : kFieldNames) {
        if (naming.field == field) {
            return naming.name;
        }
    }
    return "ignore";
}

std::optional<TableField> tableFieldOfName(std::string_view name) {
    std::string lowered;
    for (const char c : name) {
        lowered += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    for (const FieldNaming& naming : kFieldNames) {
        if (naming.name == lowered) {
            return naming.field;
        }
    }
    return std::nullopt;
}

std::vector<TableField> allTableFields() {
    std::vector<TableField> fields;
    for (const FieldNaming& naming : kFieldNames) {
        fields.push_back(naming.field);
    }
    return fields;
}

std::vector<std::pair<std::string_view, TableField>> headingAliases() {
    std::vector<std::pair<std::string_view, TableField>> all;
    for (const FieldNaming& naming : kFieldNames) {
        if (naming.field != TableField::Ignore) {
            all.emplace_back(naming.name, naming.field);
        }
    }
    for (const HeadingAlias& alias : kAliases) {
        all.emplace_back(alias.heading, alias.field);
    }
    return all;
}

std::string normaliseHeading(std::string_view heading) {
    std::string text;
    for (const char c : heading) {
        text += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    replaceAll(text, "%", "pct");
    replaceAll(text, "$", "dollars");
    replaceAll(text, " per game", "/g");
    std::string kept;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '/' && i + 1 < text.size() && text[i + 1] == 'g' &&
            (i + 2 == text.size() || std::isalnum(static_cast<unsigned char>(text[i + 2])) == 0)) {
            kept += "pg";
            ++i;
        } else if (std::isalnum(c) != 0) {
            kept += static_cast<char>(c);
        }
    }
    return kept;
}

std::optional<FieldOfHeading> fieldOfHeading(std::string_view heading) {
    const auto& index = aliasIndex();
    const auto found = index.find(normaliseHeading(heading));
    if (found == index.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace quorvane
