// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

class Connection;

// A draft's settings (table DraftTemplate) with its starting slots (table DraftRoster).
struct DraftSettingsRow {
    std::string template_name;
    int teams = 0;
    double dollars = 0.0;
    int rounds = 0;
    int drafttype = 0;
    int scoringstyle = 0;
    double minbid = 0.0;
    std::string draftdirection;
    int C = 0, F = 0, G = 0, SF = 0, PF = 0, SG = 0, PG = 0, UT = 0, R = 0;
};

// A category the draft counts (table DraftCategory) and its weight in a points league.
struct DraftCategoryRow {
    int categoryid = 0;
    double points = 0.0;
};

// A team of the draft (table DraftTeams).
struct DraftTeamRow {
    int teamid = 0;
    std::string teamname;
    int draftposition = 0;
    int currentpick = 0;
    int owner = 0;  // 1 for the user's own team
};

// The starting slots as the setup stores them.
struct RosterSlotsRow {
    int c = 0, g = 0, pg = 0, sg = 0, f = 0, pf = 0, sf = 0, ut = 0, r = 0;
};

// What the setup writes to a draft's DraftTemplate row; an auction also has its money.
struct DraftTemplateUpdate {
    int scoringstyle = 0;
    int drafttype = 0;
    std::int64_t teams = 0;
    int rounds = 0;
    struct Money {
        double dollars = 0.0;
        double minbid = 0.0;
    };
    std::optional<Money> auction;
};

// Reads: the outer nullopt is a failed read (logged); the inner one no such draft.
std::optional<std::optional<DraftSettingsRow>> readDraftSettingsRow(Connection& connection,
                                                                    int templateId);
// In the order they were added; nullopt after a failed read (logged).
std::optional<std::vector<DraftCategoryRow>> readDraftCategoryRows(Connection& connection,
                                                                   int templateId);
// By draft position, then id; nullopt after a failed read (logged).
std::optional<std::vector<DraftTeamRow>> readDraftTeamRows(Connection& connection, int templateId);
std::optional<std::int64_t> countDraftsNamed(Connection& connection,
                                             const std::string& templateName);
std::optional<std::int64_t> countDraftPicks(Connection& connection, int templateId);

// Writes run in the caller's transaction and return false (or nullopt) after the failure was
// logged.
// The new draft's id.
std::optional<int> insertDraftTemplate(Connection& connection, const std::string& templateName,
                                       int teams, int drafttype, int scoringstyle);
bool insertDraftNotes(Connection& connection, int templateId);
// Without `currentpick` the column keeps its default.
bool insertDraftTeam(Connection& connection, int templateId, const std::string& teamname,
                     std::int64_t draftposition, int owner,
                     std::optional<int> currentpick = std::nullopt);
bool updateDraftTeam(Connection& connection, int templateId, int teamid,
                     const std::string& teamname, std::int64_t draftposition, int owner);
bool deleteDraftTeam(Connection& connection, int templateId, int teamid);
bool insertDraftCategory(Connection& connection, int templateId, int categoryid, double points);
bool deleteDraftCategories(Connection& connection, int templateId);
bool insertDraftRoster(Connection& connection, int templateId);
// Adds the draft's roster row when it has none.
bool ensureDraftRoster(Connection& connection, int templateId);
bool updateDraftRoster(Connection& connection, int templateId, const RosterSlotsRow& slots);
bool updateDraftTemplate(Connection& connection, int templateId, const DraftTemplateUpdate& update);
// The first round runs up the draft order again.
bool setDraftDirectionUp(Connection& connection, int templateId);
bool deleteDraftPicks(Connection& connection, int templateId);

// Which team is on the clock, by the flag of DraftTeams.
enum class ClockReset {
    NoTeam,         // no team holds the turn
    FirstPosition,  // the team at draft position 1 holds it (others keep theirs)
    OnlyFirst,      // position 1 holds it and no other team does
};
bool resetCurrentPick(Connection& connection, int templateId, ClockReset reset);

}  // namespace quorvane
