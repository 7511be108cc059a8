// SPDX-License-Identifier: MIT
#include "teamadvice/RoomAdvice.h"

#include "headtohead/HeadToHeadExplain.h"
#include "model/DraftModelLoader.h"
#include "model/DraftSession.h"
#include "teamadvice/ExplainLabels.h"
#include "teamadvice/ValuationFigureReader.h"
#include "text/HtmlText.h"
#include "text/NumberText.h"
#include "text/ReadableFigures.h"
#include "valuation/ValuationSteps.h"

namespace quorvane {

Outcome<Done> RoomAdvice::refresh(DraftSession& session) {
    m_advice.reset();
    m_rowOfPlayer.clear();
    // The advice keeps its own copy: the held model moves on with the next pick while the
    // grid and the player card still read this one.
    const Outcome<const DraftModel*> current = currentDraftModel(session);
    if (!current || current.value() == nullptr) {
        m_model.reset();
        return current ? unspoken() : current.failure();
    }
    if (m_model) {
        *m_model = *current.value();  // reuses the buffers of the last copy
    } else {
        m_model = std::make_unique<DraftModel>(*current.value());
    }
    const std::optional<std::size_t> team = adviceTeamIndex(*m_model, 0);
    if (!team) {
        return Done{};
    }
    m_advice = std::make_unique<TeamAdvice>(*m_model, *team);
    const std::vector<AdviceRow>& rows = m_advice->rows();
    m_rowOfPlayer.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        m_rowOfPlayer.emplace(rows[i].playerid, i);
    }
    return Done{};
}

const AdviceRow* RoomAdvice::rowOf(int playerid) const {
    const auto found = m_rowOfPlayer.find(playerid);
    return found == m_rowOfPlayer.end() ? nullptr : &m_advice->rows()[found->second];
}

Outcome<const RoomAdvice*> refreshRoomAdvice(DraftSession& session,
                                             std::shared_ptr<RoomAdvice>& held) {
    if (!session.draftSettings()) {
        return nullptr;
    }
    if (!held) {
        held = std::make_shared<RoomAdvice>();
    }
    const Outcome<Done> refreshed = held->refresh(session);
    if (!refreshed) {
        return refreshed.failure();
    }
    return held.get();
}

const RoomAdvice* currentRoomAdvice(const std::shared_ptr<RoomAdvice>& held) {
    return held && held->model() != nullptr ? held.get() : nullptr;
}

Outcome<PlayerAdviceCard> playerAdviceCard(DraftSession& session,
                                           const std::shared_ptr<RoomAdvice>& held,
                                           bool showInflation, int playerid) {
    const RoomAdvice* room = currentRoomAdvice(held);
    if (room == nullptr || room->advice() == nullptr ||
        room->model()->findPlayer(playerid) == nullptr) {
        return unspoken();
    }
    const Outcome<ValuationFigures> figures =
        readValuationFigures(session, showInflation, *room->model(), playerid);
    if (!figures) {
        return figures.failure();
    }
    const TeamAdvice& advice = *room->advice();
    std::vector<ExplainLine> explain =
        explainLines(*room->model(), advice.zScores(), *figures, playerid);
    if (const GScores* gScores = advice.gScores()) {
        for (ExplainLine& line : headToHeadExplainLines(*room->model(), *gScores, playerid)) {
            explain.push_back(std::move(line));
        }
    }
    return PlayerAdviceCard{advice.categories(playerid), std::move(explain)};
}

std::string playerAdviceCardHtml(const PlayerAdviceCard& card) {
    std::string html =
        "<h3>For your team</h3>\n<table border=\"1\" cellpadding=\"3\">\n"
        "<tr><th>Cat</th><th>Z</th><th>Gain</th></tr>\n";
    for (const CategoryAdvice& category : card.categories) {
        // A punted category still shows its figures; the mark says they count for nothing.
        html += "<tr><td>" + escapeHtml(category.symbol) + (category.punted ? " (punt)" : "") +
                "</td><td align=\"right\">" + twoDecimalsOrEmpty(category.z) +
                "</td><td align=\"right\">" + twoDecimalsOrEmpty(category.gain) + "</td></tr>\n";
    }
    html += "</table>\n<h3>The math of his value</h3>\n<table border=\"1\" cellpadding=\"3\">\n";
    for (const auto& [key, value] : card.explain) {
        html += "<tr><td>" + escapeHtml(explainLabel(key)) + "</td><td align=\"right\">" +
                escapeHtml(readableFigure(key, value)) + "</td></tr>\n";
    }
    return html + "</table>\n";
}

}  // namespace quorvane
