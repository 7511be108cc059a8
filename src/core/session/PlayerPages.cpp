// SPDX-License-Identifier: MIT
#include "session/PlayerPages.h"

#include <fmt/format.h>

#include <cmath>
#include <iterator>
#include <vector>

#include "platform/ServiceEndpoints.h"
#include "room/RoomValues.h"
#include "session/ProgramState.h"
#include "store/StoredPlayerRows.h"

namespace quorvane {

namespace {

// The headings of PlayerCard::totals, in its order.
constexpr std::string_view kTotalColumns[] = {"G",   "MIN",  "FTM",  "FTA",  "FGM", "FGA",
                                              "3PT", "3PTA", "OREB", "DREB", "AST", "STL",
                                              "BLK", "TO",   "DD",   "TD"};
enum class TotalColumn { Games, Minutes, Ftm, Fta, Fgm, Fga, Pt3m, Pt3a, Oreb, Dreb, Assists };

std::string perGame(double total, double games) {
    // Halves round up, as a reader expects: 500 assists in 80 games is 6.3 a game.
    return fmt::format("{:.1f}", games > 0 ? std::round(total / games * 10) / 10 : 0.0);
}

}  // namespace

std::optional<PlayerPageContent> playerPageFor(ProgramState& state, int playerid) {
    if (!hasServicePlayerPage(playerid)) {
        return std::nullopt;
    }
    if (!state.serviceHost.empty()) {
        return PlayerPageContent{serviceUrl(state.serviceHost, playerPagePath(playerid)), {}};
    }
    auto html = localPlayerPageHtml(state, playerid);
    if (!html) {
        return std::nullopt;
    }
    return PlayerPageContent{{}, std::move(*html)};
}

std::optional<std::string> localPlayerPageHtml(ProgramStore& state, int playerid) {
    const auto seasons = readPlayerSeasons(state.dbConnection, playerid);
    if (!seasons || seasons->empty()) {
        return std::nullopt;
    }
    const PlayerCard& newest = seasons->front();
    const std::string name =
        escapeHtml(newest.firstname.value_or("") + " " + newest.lastname.value_or(""));
    std::string html = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + name +
                       "</title></head>\n<body>\n<h2>" + name + "</h2>\n<p>" +
                       escapeHtml(newest.team) + " &middot; " + escapeHtml(newest.pos) + "</p>\n";
    // Value, rank and flag are the newest season's, the one the valuation writes.
    static constexpr std::string_view kFlags[] = {"none", "sleeper", "bust", "upside"};
    const std::int64_t flag = newest.flag;
    html += fmt::format("<p><b>Value</b> {} &middot; <b>Rank</b> {} &middot; <b>Flag</b> {}</p>\n",
                        formatMoney(newest.dollars, 2), newest.draftorder,
                        flag >= 0 && flag < 4 ? kFlags[flag] : std::string_view("none"));
    if (!newest.notes.empty()) {
        html += "<p><b>Your note:</b> " + escapeHtml(newest.notes) + "</p>\n";
    }

    // A narrow pane reads seasons side by side with one statistic a row.
    std::vector<std::string> rows = {"<tr><th>Season</th>", "<tr><th>PPG</th>", "<tr><th>RPG</th>",
                                     "<tr><th>APG</th>"};
    for (const auto& column : kTotalColumns) {
        rows.push_back("<tr><th>" + std::string(column) + "</th>");
    }
    for (const PlayerCard& season : *seasons) {
        const auto total = [&season](TotalColumn column) {
            return season.totals[static_cast<std::size_t>(column)];
        };
        const double games = total(TotalColumn::Games);
        // A three counts three points: two as a field goal made, one more as a three.
        const double points =
            2 * total(TotalColumn::Fgm) + total(TotalColumn::Pt3m) + total(TotalColumn::Ftm);
        rows[0] += "<th>" + std::to_string(season.yearofprojection) + "</th>";
        rows[1] += "<td>" + perGame(points, games) + "</td>";
        rows[2] +=
            "<td>" + perGame(total(TotalColumn::Oreb) + total(TotalColumn::Dreb), games) + "</td>";
        rows[3] += "<td>" + perGame(total(TotalColumn::Assists), games) + "</td>";
        for (std::size_t i = 0; i < std::size(kTotalColumns); ++i) {
            rows[4 + i] +=
                "<td>" + std::to_string(static_cast<std::int64_t>(season.totals[i])) + "</td>";
        }
    }
    html += "<table border=\"1\" cellpadding=\"3\">\n";
    for (const std::string& row : rows) {
        html += row + "</tr>\n";
    }
    html += "</table>\n</body></html>\n";
    return html;
}

}  // namespace quorvane
