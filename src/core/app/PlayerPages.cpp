// SPDX-License-Identifier: MIT
#include "app/PlayerPages.h"

#include <fmt/format.h>

#include <cmath>

#include "app/ProgramState.h"
#include "app/ServiceEndpoints.h"
#include "store/Recordset.h"

namespace quorvane {

namespace {

constexpr std::string_view kTotalColumns[][2] = {
    {"games", "G"},    {"minutes", "MIN"},  {"ftm", "FTM"},         {"fta", "FTA"},
    {"fgm", "FGM"},    {"fga", "FGA"},      {"pt3m", "3PT"},        {"pt3a", "3PTA"},
    {"oreb", "OREB"},  {"dreb", "DREB"},    {"assists", "AST"},     {"steals", "STL"},
    {"blocks", "BLK"}, {"turnovers", "TO"}, {"doubledouble", "DD"}, {"tripledouble", "TD"},
};

std::string perGame(double total, double games) {
    // Halves round up, as a reader expects: 500 assists in 80 games is 6.3 a game.
    return fmt::format("{:.1f}", games > 0 ? std::round(total / games * 10) / 10 : 0.0);
}

}  // namespace

std::string escapeHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&#39;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

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

std::optional<std::string> localPlayerPageHtml(ProgramState& state, int playerid) {
    Recordset seasons;
    if (!openRecordset(seasons, state.dbConnection,
                       "select * from DraftPlayers where playerid = ? "
                       "order by yearofprojection desc",
                       {SqlValue{std::int64_t{playerid}}}) ||
        seasons.eof()) {
        return std::nullopt;
    }
    const std::string name =
        escapeHtml(seasons.getText("firstname") + " " + seasons.getText("lastname"));
    std::string html = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + name +
                       "</title></head>\n<body>\n<h1>" + name + "</h1>\n<p>" +
                       escapeHtml(seasons.getText("team")) + " &middot; " +
                       escapeHtml(seasons.getText("pos")) + "</p>\n";
    const std::string notes = seasons.getText("notes");
    if (!notes.empty()) {
        html += "<p><b>Your note:</b> " + escapeHtml(notes) + "</p>\n";
    }
    html += "<table border=\"1\">\n<tr><th>Season</th><th>PPG</th><th>RPG</th><th>APG</th>";
    for (const auto& column : kTotalColumns) {
        html += "<th>" + std::string(column[1]) + "</th>";
    }
    html += "</tr>\n";
    for (; !seasons.eof(); seasons.moveNext()) {
        const double games = seasons.getDouble("games");
        // A three counts three points: two as a field goal made, one more as a three.
        const double points =
            2 * seasons.getDouble("fgm") + seasons.getDouble("pt3m") + seasons.getDouble("ftm");
        html += "<tr><td>" + std::to_string(seasons.getInt("yearofprojection")) + "</td><td>" +
                perGame(points, games) + "</td><td>" +
                perGame(seasons.getDouble("oreb") + seasons.getDouble("dreb"), games) +
                "</td><td>" + perGame(seasons.getDouble("assists"), games) + "</td>";
        for (const auto& column : kTotalColumns) {
            html += "<td>" + std::to_string(seasons.getInt(column[0])) + "</td>";
        }
        html += "</tr>\n";
    }
    html += "</table>\n</body></html>\n";
    return html;
}

}  // namespace quorvane
