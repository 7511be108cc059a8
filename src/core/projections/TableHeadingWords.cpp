// SPDX-License-Identifier: MIT
// Headings read by their words, for the many ways sites name a statistic beyond the alias table.
#include <algorithm>
#include <array>
#include <bitset>
#include <cctype>
#include <limits>
#include <string>
#include <vector>

#include "projections/EditDistance.h"
#include "projections/TableFields.h"

namespace quorvane {

namespace {

// What the words of a heading can mean. A statistic is one of the "what" concepts, narrowed by
// the others.
enum Concept : std::size_t {
    kThree,
    kFreeThrow,
    kFieldGoal,
    kRebound,
    kPoints,
    kAssists,
    kSteals,
    kBlocks,
    kTurnovers,
    kMinutes,
    kGames,
    kDouble,
    kTriple,
    kMade,
    kAttempted,
    kPercentage,
    kOffensive,
    kDefensive,
    kPerGame,
    kNoise,  // words that change nothing: "projected", "season", "total" ...
    kConceptCount
};
using Concepts = std::bitset<kConceptCount>;

struct WordMeaning {
    std::string_view word;
    std::initializer_list<Concept> concepts;
};

const std::array kWords = {
    WordMeaning{"3", {kThree}},
    WordMeaning{"three", {kThree}},
    WordMeaning{"threes", {kThree}},
    WordMeaning{"trey", {kThree}},
    WordMeaning{"treys", {kThree}},
    WordMeaning{"3s", {kThree}},
    WordMeaning{"3p", {kThree}},
    WordMeaning{"3pt", {kThree}},
    WordMeaning{"3pts", {kThree}},
    WordMeaning{"3fg", {kThree}},
    WordMeaning{"3pm", {kThree, kMade}},
    WordMeaning{"3ptm", {kThree, kMade}},
    WordMeaning{"3fgm", {kThree, kMade}},
    WordMeaning{"3pa", {kThree, kAttempted}},
    WordMeaning{"3pta", {kThree, kAttempted}},
    WordMeaning{"3fga", {kThree, kAttempted}},
    WordMeaning{"pointers", {}},
    WordMeaning{"pointer", {}},
    WordMeaning{"pt", {}},
    WordMeaning{"point", {}},
    WordMeaning{"free", {kFreeThrow}},
    WordMeaning{"throws", {kFreeThrow}},
    WordMeaning{"throw", {kFreeThrow}},
    WordMeaning{"ft", {kFreeThrow}},
    WordMeaning{"fts", {kFreeThrow}},
    WordMeaning{"ftm", {kFreeThrow, kMade}},
    WordMeaning{"fta", {kFreeThrow, kAttempted}},
    WordMeaning{"field", {kFieldGoal}},
    WordMeaning{"goals", {kFieldGoal}},
    WordMeaning{"goal", {kFieldGoal}},
    WordMeaning{"fg", {kFieldGoal}},
    WordMeaning{"fgs", {kFieldGoal}},
    WordMeaning{"fgm", {kFieldGoal, kMade}},
    WordMeaning{"fga", {kFieldGoal, kAttempted}},
    WordMeaning{"rebounds", {kRebound}},
    WordMeaning{"rebound", {kRebound}},
    WordMeaning{"reb", {kRebound}},
    WordMeaning{"rebs", {kRebound}},
    WordMeaning{"boards", {kRebound}},
    WordMeaning{"oreb", {kRebound, kOffensive}},
    WordMeaning{"orb", {kRebound, kOffensive}},
    WordMeaning{"dreb", {kRebound, kDefensive}},
    WordMeaning{"drb", {kRebound, kDefensive}},
    WordMeaning{"treb", {kRebound}},
    WordMeaning{"trb", {kRebound}},
    WordMeaning{"rpg", {kRebound, kPerGame}},
    WordMeaning{"points", {kPoints}},
    WordMeaning{"pts", {kPoints}},
    WordMeaning{"ppg", {kPoints, kPerGame}},
    WordMeaning{"assists", {kAssists}},
    WordMeaning{"assist", {kAssists}},
    WordMeaning{"ast", {kAssists}},
    WordMeaning{"asts", {kAssists}},
    WordMeaning{"dimes", {kAssists}},
    WordMeaning{"apg", {kAssists, kPerGame}},
    WordMeaning{"steals", {kSteals}},
    WordMeaning{"steal", {kSteals}},
    WordMeaning{"stl", {kSteals}},
    WordMeaning{"stls", {kSteals}},
    WordMeaning{"spg", {kSteals, kPerGame}},
    WordMeaning{"blocks", {kBlocks}},
    WordMeaning{"block", {kBlocks}},
    WordMeaning{"blocked", {kBlocks}},
    WordMeaning{"blk", {kBlocks}},
    WordMeaning{"blks", {kBlocks}},
    WordMeaning{"bpg", {kBlocks, kPerGame}},
    WordMeaning{"turnovers", {kTurnovers}},
    WordMeaning{"turnover", {kTurnovers}},
    WordMeaning{"to", {kTurnovers}},
    WordMeaning{"tov", {kTurnovers}},
    WordMeaning{"tos", {kTurnovers}},
    WordMeaning{"minutes", {kMinutes}},
    WordMeaning{"minute", {kMinutes}},
    WordMeaning{"min", {kMinutes}},
    WordMeaning{"mins", {kMinutes}},
    WordMeaning{"mpg", {kMinutes, kPerGame}},
    WordMeaning{"games", {kGames}},
    WordMeaning{"gp", {kGames}},
    WordMeaning{"played", {kGames}},
    WordMeaning{"double", {kDouble}},
    WordMeaning{"doubles", {kDouble}},
    WordMeaning{"dd", {kDouble}},
    WordMeaning{"triple", {kTriple}},
    WordMeaning{"td", {kTriple}},
    WordMeaning{"made", {kMade}},
    WordMeaning{"makes", {kMade}},
    WordMeaning{"make", {kMade}},
    WordMeaning{"m", {kMade}},
    WordMeaning{"attempted", {kAttempted}},
    WordMeaning{"attempts", {kAttempted}},
    WordMeaning{"attempt", {kAttempted}},
    WordMeaning{"att", {kAttempted}},
    WordMeaning{"atts", {kAttempted}},
    WordMeaning{"a", {kAttempted}},
    WordMeaning{"pct", {kPercentage}},
    WordMeaning{"percentage", {kPercentage}},
    WordMeaning{"percent", {kPercentage}},
    WordMeaning{"offensive", {kOffensive}},
    WordMeaning{"offense", {kOffensive}},
    WordMeaning{"off", {kOffensive}},
    WordMeaning{"o", {kOffensive}},
    WordMeaning{"defensive", {kDefensive}},
    WordMeaning{"defense", {kDefensive}},
    WordMeaning{"def", {kDefensive}},
    WordMeaning{"d", {kDefensive}},
    WordMeaning{"pergame", {kPerGame}},
    WordMeaning{"pg", {kPerGame}},
    WordMeaning{"avg", {kPerGame}},
    WordMeaning{"average", {kPerGame}},
    WordMeaning{"projected", {kNoise}},
    WordMeaning{"projection", {kNoise}},
    WordMeaning{"proj", {kNoise}},
    WordMeaning{"season", {kNoise}},
    WordMeaning{"total", {kNoise}},
    WordMeaning{"totals", {kNoise}},
    WordMeaning{"tot", {kNoise}},
    WordMeaning{"shots", {kNoise}},
    WordMeaning{"shot", {kNoise}},
    WordMeaning{"number", {kNoise}},
    WordMeaning{"of", {kNoise}},
};

// Lower-case words; "%" is "pct", "/g" and "per game" one word "pergame".
std::vector<std::string> headingWords(std::string_view heading) {
    std::string text;
    for (std::size_t i = 0; i < heading.size(); ++i) {
        const auto c = static_cast<unsigned char>(heading[i]);
        if (c == '%') {
            text += " pct ";
        } else if (c == '/' && i + 1 < heading.size() &&
                   std::tolower(static_cast<unsigned char>(heading[i + 1])) == 'g' &&
                   (i + 2 == heading.size() ||
                    std::isalnum(static_cast<unsigned char>(heading[i + 2])) == 0)) {
            text += " pergame ";
            ++i;
        } else {
            text += std::isalnum(c) != 0 ? static_cast<char>(std::tolower(c)) : ' ';
        }
    }
    std::vector<std::string> words;
    std::string word;
    for (const char c : text + ' ') {
        if (c != ' ') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        if (words[i] == "per" && words[i + 1] == "game") {
            words[i] = "pergame";
            words.erase(words.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        }
    }
    return words;
}

std::optional<Concepts> conceptsOf(const std::vector<std::string>& words) {
    Concepts concepts;
    for (const std::string& word : words) {
        const auto meaning =
            std::find_if(kWords.begin(), kWords.end(),
                         [&](const WordMeaning& known) { return known.word == word; });
        if (meaning == kWords.end()) {
            return std::nullopt;
        }
        for (const Concept one : meaning->concepts) {
            concepts.set(one);
        }
    }
    return concepts;
}

// Made, attempted or percentage of one kind of shot.
TableField shotField(const Concepts& concepts, TableField made, TableField attempted,
                     TableField percentage) {
    if (concepts[kPercentage]) {
        return percentage;
    }
    return concepts[kAttempted] ? attempted : made;
}

std::optional<TableField> fieldOfConcepts(Concepts concepts) {
    const Concepts shotWords = Concepts().set(kMade).set(kAttempted).set(kPercentage);
    const Concepts sideWords = Concepts().set(kOffensive).set(kDefensive);
    std::vector<Concept> what;
    for (const Concept one : {kThree, kFreeThrow, kFieldGoal, kRebound, kPoints, kAssists, kSteals,
                              kBlocks, kTurnovers, kMinutes, kGames, kDouble, kTriple}) {
        if (concepts[one]) {
            what.push_back(one);
        }
    }
    // "3PT FG%" and "3 Points Made" name a three and a field goal or points at once: the three
    // wins.
    if (what.size() == 2 && what[0] == kThree && (what[1] == kFieldGoal || what[1] == kPoints)) {
        what.pop_back();
    }
    // "Double Doubles" and "Triple Doubles"
    if (what.size() == 2 && what[1] == kTriple && what[0] == kDouble) {
        what.erase(what.begin());
    }
    if (what.size() != 1) {
        return std::nullopt;
    }
    const bool shot = what[0] == kThree || what[0] == kFreeThrow || what[0] == kFieldGoal;
    if (((concepts & shotWords).any() && !shot) ||
        ((concepts & sideWords).any() && what[0] != kRebound) ||
        (concepts[kOffensive] && concepts[kDefensive])) {
        return std::nullopt;
    }
    switch (what[0]) {
        case kThree:
            return shotField(concepts, TableField::ThreesMade, TableField::ThreesAttempted,
                             TableField::ThreePercentage);
        case kFreeThrow:
            return shotField(concepts, TableField::FreeThrowsMade, TableField::FreeThrowsAttempted,
                             TableField::FreeThrowPercentage);
        case kFieldGoal:
            return shotField(concepts, TableField::FieldGoalsMade, TableField::FieldGoalsAttempted,
                             TableField::FieldGoalPercentage);
        case kRebound:
            return concepts[kOffensive]   ? TableField::OffensiveRebounds
                   : concepts[kDefensive] ? TableField::DefensiveRebounds
                                          : TableField::Rebounds;
        case kPoints:
            return TableField::Points;
        case kAssists:
            return TableField::Assists;
        case kSteals:
            return TableField::Steals;
        case kBlocks:
            return TableField::Blocks;
        case kTurnovers:
            return TableField::Turnovers;
        case kMinutes:
            return TableField::Minutes;
        case kGames:
            return concepts[kPerGame] ? std::nullopt : std::optional(TableField::Games);
        case kDouble:
            return TableField::DoubleDoubles;
        case kTriple:
            return TableField::TripleDoubles;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<FieldOfHeading> fieldOfHeadingWords(std::string_view heading) {
    const std::vector<std::string> words = headingWords(heading);
    if (words.empty()) {
        return std::nullopt;
    }
    const auto concepts = conceptsOf(words);
    if (!concepts) {
        return std::nullopt;
    }
    const auto field = fieldOfConcepts(*concepts);
    if (!field) {
        return std::nullopt;
    }
    // A percentage is a rate already; "per game" says nothing about it.
    const bool rate = *field == TableField::FieldGoalPercentage ||
                      *field == TableField::FreeThrowPercentage ||
                      *field == TableField::ThreePercentage;
    return FieldOfHeading{
        *field, (*concepts)[kPerGame] && !rate ? FigureBasis::PerGame : FigureBasis::Either};
}

std::optional<FieldOfHeading> recogniseHeading(std::string_view heading) {
    if (auto found = fieldOfHeading(heading)) {
        return found;
    }
    return fieldOfHeadingWords(heading);
}

TableField closestField(std::string_view heading) {
    const std::string wanted = normaliseHeading(heading);
    TableField best = TableField::Ignore;
    std::size_t bestDistance = std::numeric_limits<std::size_t>::max();
    for (const auto& [alias, field] : headingAliases()) {
        const std::size_t distance = editDistance(wanted, normaliseHeading(alias), 64);
        if (distance < bestDistance) {
            best = field;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace quorvane
