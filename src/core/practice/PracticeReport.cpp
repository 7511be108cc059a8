// SPDX-License-Identifier: MIT
#include "practice/PracticeReport.h"

#include <fmt/format.h>

#include "model/DraftModelLoader.h"
#include "model/DraftSession.h"
#include "room/WriteFailures.h"
#include "teamadvice/TeamAdvice.h"
#include "text/HtmlText.h"

namespace quorvane {

namespace {

std::string figure(double value) {
    return fmt::format("{:.2f}", value + 0.0);
}

}  // namespace

Outcome<PracticeGrade> gradeOpenDraft(DraftSession& session) {
    const Outcome<const DraftModel*> model = currentDraftModel(session);
    if (!model) {
        return model.failure();
    }
    if (*model == nullptr || !session.draftSettings()) {
        return WriteFailure{};
    }
    const std::optional<std::size_t> team = adviceTeamIndex(**model, 0);
    if (!team) {
        return refusedBy({"Error", "The draft has no team marked as yours", MessageIcon::Critical});
    }
    std::optional<PracticeGrade> grade = gradePractice(*session.draftSettings(), **model, *team);
    if (!grade) {
        return WriteFailure{};
    }
    return std::move(*grade);
}

std::string practiceGradeHtml(const PracticeGrade& grade) {
    std::string html = "<h2>Your practice draft</h2>\n<p><b>" + escapeHtml(grade.teamname) +
                       "</b> finishes <b>" + std::to_string(grade.place) + "</b> of " +
                       std::to_string(grade.teams) + " in the projected standings with <b>" +
                       figure(grade.points) + "</b> points.</p>\n";
    html +=
        "<h3>Categories</h3>\n<table border=\"1\" cellpadding=\"3\">\n"
        "<tr><th>Cat</th><th>Place</th><th>Points</th></tr>\n";
    for (const GradedCategory& category : grade.categories) {
        html += "<tr><td>" + escapeHtml(category.symbol) + "</td><td align=\"right\">" +
                std::to_string(category.place) + "</td><td align=\"right\">" +
                figure(category.points) + "</td></tr>\n";
    }
    html +=
        "</table>\n<h3>Your picks against ADP</h3>\n<table border=\"1\" cellpadding=\"3\">\n"
        "<tr><th>Pick</th><th>Player</th><th>ADP</th><th></th></tr>\n";
    for (const PickAgainstAdp& pick : grade.picks) {
        html += "<tr><td align=\"right\">" + std::to_string(pick.pickNumber) + "</td><td>" +
                escapeHtml(pick.player) + "</td><td align=\"right\">" +
                fmt::format("{:.1f}", pick.adp) + "</td><td>" + escapeHtml(pick.verdict) +
                "</td></tr>\n";
    }
    return html + "</table>\n";
}

}  // namespace quorvane
