// SPDX-License-Identifier: MIT
#include "app/PlayerPages.h"

#include <fmt/format.h>

#include <cmath>
#include <iterator>
#include <vector>

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
                       "</title></head>\n<body>\n<h2>" + name + "</h2>\n<p>" +
                       escapeHtml(seasons.getText("team")) + " &middot; " +
                       escapeHtml(seasons.getText("pos")) + "</p>\n";
    // Value, rank and flag are the newest season's, the one the valuation writes.
    static constexpr std::string_view kFlags[] = {"none", "sleeper", "bust", "upside"};
    const std::int64_t flag = seasons.getInt("flag");
    html +=
        fmt::format("<p><b>Value</b> ${:.2f} &middot; <b>Rank</b> {} &middot; <b>Flag</b> {}</p>\n",
                    seasons.getDouble("dollars"), seasons.getInt("draftorder"),
                    flag >= 0 && flag < 4 ? kFlags[flag] : std::string_view("none"));
    const std::string notes = seasons.getText("notes");
    if (!notes.empty()) {
        html += "<p><b>Your note:</b> " + escapeHtml(notes) + "</p>\n";
    }

    // A narrow pane reads seasons side by side with one statistic a row.
    std::vector<std::string> rows = {"<tr><th>Season</th>", "<tr><th>PPG</th>", "<tr><th>RPG</th>",
                                     "<tr><th>APG</th>"};
    for (const auto& column : kTotalColumns) {
        rows.push_back("<tr><th>" + std::string(column[1]) + "</th>");
    }
    for (; !seasons.eof(); seasons.moveNext()) {
        const double games = seasons.getDouble("games");
        // A three counts three points: two as a field goal made, one more as a three.
        const double points =
            2 * seasons.getDouble("fgm") + seasons.getDouble("pt3m") + seasons.getDouble("ftm");
        rows[0] += "<th>" + std::to_string(seasons.getInt("yearofprojection")) + "</th>";
        rows[1] += "<td>" + perGame(points, games) + "</td>";
        rows[2] += "<td>" + perGame(seasons.getDouble("oreb") + seasons.getDouble("dreb"), games) +
                   "</td>";
        rows[3] += "<td>" + perGame(seasons.getDouble("assists"), games) + "</td>";
        for (std::size_t i = 0; i < std::size(kTotalColumns); ++i) {
            rows[4 + i] += "<td>" + std::to_string(seasons.getInt(kTotalColumns[i][0])) + "</td>";
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
