// SPDX-License-Identifier: MIT
#include "projections/TableNames.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

#include "text/LetterCase.h"
#include "text/NumberText.h"
#include "text/TextChecks.h"
#include "text/Utf8Text.h"

namespace quorvane {

namespace {

constexpr std::array<std::string_view, 46> kTeamCodes = {
    "ATL", "BOS", "BRK",  "BKN", "CHA", "CHO", "CHI", "CLE", "DAL", "DEN", "DET", "GSW",
    "GS",  "HOU", "IND",  "LAC", "LAL", "MEM", "MIA", "MIL", "MIN", "NOP", "NO",  "NOR",
    "NOH", "NYK", "NY",   "OKC", "ORL", "PHI", "PHO", "PHX", "POR", "SAC", "SAS", "SA",
    "TOR", "UTA", "UTAH", "WAS", "WSH", "SEA", "NJN", "VAN", "CHH", "FA"};

// Injury and status marks some sites put after a name.
constexpr std::array<std::string_view, 9> kStatusMarks = {"DTD", "GTD", "O",    "OUT", "Q",
                                                          "INJ", "IR",  "SSPD", "NA"};

std::vector<std::string> blankSeparated(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : std::string(text) + ' ') {
        if (c == ' ' || c == '\t') {
            if (!word.empty()) {
                words.push_back(std::move(word));
                word.clear();
            }
        } else {
            word += c;
        }
    }
    return words;
}

bool isCapitals(std::string_view text) {
    return !text.empty() && std::none_of(text.begin(), text.end(), [](char c) {
        return std::islower(static_cast<unsigned char>(c)) != 0;
    });
}

// "DAL - PG", "DAL PG", "PG - DAL", "DAL": the team and position inside an annotation.
bool readAnnotation(std::string_view text, NameCell& cell) {
    std::vector<std::string> parts;
    for (std::string& word : blankSeparated(text)) {
        if (word != "-" && word != "|" && word != ",") {
            parts.push_back(std::move(word));
        }
    }
    if (parts.empty() || parts.size() > 2) {
        return false;
    }
    std::string team;
    std::optional<PositionCell> position;
    for (const std::string& part : parts) {
        if (!isCapitals(part)) {
            return false;
        }
        if (team.empty() && isTeamCode(part)) {
            team = part;
        } else if (!position) {
            position = readPositionCell(part);
            if (!position) {
                return false;
            }
        } else {
            return false;
        }
    }
    cell.team = team;
    cell.position = position;
    return true;
}

// "… DAL PG" or "… DAL - PG" at the end of a name.
void takeTrailingTeamAndPosition(NameCell& cell) {
    std::vector<std::string> words = blankSeparated(cell.name);
    while (words.size() > 2 && std::find(kStatusMarks.begin(), kStatusMarks.end(), words.back()) !=
                                   kStatusMarks.end()) {
        words.pop_back();
    }
    if (words.size() < 3 || !isCapitals(words.back())) {
        return;
    }
    const auto position = readPositionCell(words.back());
    std::size_t teamAt = words.size() - 2;
    if (words[teamAt] == "-" && teamAt > 1) {
        --teamAt;
    }
    if (!position || !isCapitals(words[teamAt]) || !isTeamCode(words[teamAt]) || teamAt < 1) {
        return;
    }
    cell.team = words[teamAt];
    cell.position = position;
    words.resize(teamAt);
    std::string name;
    for (const std::string& word : words) {
        name += (name.empty() ? "" : " ") + word;
    }
    cell.name = name;
}

}  // namespace

bool isTeamCode(std::string_view code) {
    return std::find(kTeamCodes.begin(), kTeamCodes.end(), upperText(code)) != kTeamCodes.end();
}

bool isMultiTeamMark(std::string_view team) {
    const std::string mark = upperText(trimmedView(team));
    return mark == "TOT" ||
           (mark.size() == 3 && mark[0] >= '2' && mark[0] <= '9' && mark.substr(1) == "TM");
}

NameCell readNameCell(std::string_view written) {
    NameCell cell;
    std::string text = trim(written);
    // A site's id follows a backslash and holds no blank.
    if (const std::size_t slash = text.find('\\');
        slash != std::string::npos && text.find(' ', slash) == std::string::npos) {
        text = trim(text.substr(0, slash));
    }
    while (text.ends_with('*') || text.ends_with('+')) {
        text.pop_back();
    }
    text = trim(text);
    // No name holds parentheses: what they close at its end is the site's annotation ("(DAL -
    // PG)", "(R)" for a rookie), read for a team and position where it gives them.
    if (text.ends_with(')')) {
        const std::size_t open = text.rfind('(');
        if (open != std::string::npos && open > 0) {
            readAnnotation(std::string_view(text).substr(open + 1, text.size() - open - 2), cell);
            text = trim(text.substr(0, open));
        }
    }
    cell.name = text;
    if (cell.team.empty() && !cell.position) {
        takeTrailingTeamAndPosition(cell);
    }
    return cell;
}

std::optional<std::string> nameProblem(std::string_view name) {
    if (auto problem = textProblem(name, kMaxNameCharacters)) {
        return problem;
    }
    const bool letters = std::any_of(name.begin(), name.end(), [](char c) {
        return std::isalpha(static_cast<unsigned char>(c)) != 0 ||
               static_cast<unsigned char>(c) >= 0x80;
    });
    if (!letters) {
        return "holds no letters";
    }
    return std::nullopt;
}

bool isAggregateName(std::string_view name) {
    std::string letters;
    for (const char c : name) {
        if (std::isalpha(static_cast<unsigned char>(c)) != 0) {
            letters += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    static constexpr std::array<std::string_view, 12> kAggregates = {
        "leagueaverage", "leagueaverages", "teamtotals",     "teamtotal",
        "totals",        "total",          "leaguetotals",   "leaguetotal",
        "average",       "averages",       "opponenttotals", "teamaverage"};
    return std::find(kAggregates.begin(), kAggregates.end(), letters) != kAggregates.end();
}

bool hasLostLetters(std::string_view name) {
    return name.find('?') != std::string_view::npos;
}

}  // namespace quorvane
