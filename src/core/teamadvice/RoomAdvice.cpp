// SPDX-License-Identifier: MIT
#include "teamadvice/RoomAdvice.h"

#include "headtohead/HeadToHeadExplain.h"
#include "model/DraftModelLoader.h"
#include "session/DraftModelConversation.h"
#include "session/ProgramState.h"
#include "teamadvice/ExplainLabels.h"
#include "teamadvice/ValuationFigureReader.h"
#include "text/HtmlText.h"
#include "text/NumberText.h"
#include "text/ReadableFigures.h"

namespace quorvane {

bool RoomAdvice::refresh(ProgramState& state, UserDialogs& dialogs, bool picksOnly) {
    m_advice.reset();
    m_rowOfPlayer.clear();
    const bool sameSeason = m_model && state.draftSettings() &&
                            m_model->template_id == state.draftSettings()->template_id &&
                            m_projectionYear == state.projectionYear;
    if (picksOnly && sameSeason) {
        if (!refreshDraftModel(state, dialogs, *m_model)) {
            m_model.reset();
            return false;
        }
    } else {
        // Anything else may have changed the projections themselves (an edit, an import, a
        // custom player), so the whole season is read again: one query, a few milliseconds.
        std::optional<DraftModel> loaded = loadDraftModel(state, dialogs);
        if (!loaded) {
            m_model.reset();
            return false;
        }
        m_model = std::make_unique<DraftModel>(std::move(*loaded));
        m_projectionYear = state.projectionYear;
    }
    const std::optional<std::size_t> team = adviceTeamIndex(*m_model, 0);
    if (!team) {
        return true;
    }
    m_advice = std::make_unique<TeamAdvice>(*m_model, *team);
    const std::vector<AdviceRow>& rows = m_advice->rows();
    m_rowOfPlayer.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        m_rowOfPlayer.emplace(rows[i].playerid, i);
    }
    return true;
}

const AdviceRow* RoomAdvice::rowOf(int playerid) const {
    const auto found = m_rowOfPlayer.find(playerid);
    return found == m_rowOfPlayer.end() ? nullptr : &m_advice->rows()[found->second];
}

const RoomAdvice* refreshRoomAdvice(ProgramState& state, UserDialogs& dialogs, bool picksOnly) {
    if (!state.draftSettings()) {
        return nullptr;
    }
    if (!state.roomAdvice) {
        state.roomAdvice = std::make_shared<RoomAdvice>();
    }
    return state.roomAdvice->refresh(state, dialogs, picksOnly) ? state.roomAdvice.get() : nullptr;
}

const RoomAdvice* currentRoomAdvice(const ProgramState& state) {
    return state.roomAdvice && state.roomAdvice->model() != nullptr ? state.roomAdvice.get()
                                                                    : nullptr;
}

std::optional<PlayerAdviceCard> playerAdviceCard(ProgramState& state, UserDialogs& dialogs,
                                                 int playerid) {
    const RoomAdvice* room = currentRoomAdvice(state);
    if (room == nullptr || room->advice() == nullptr ||
        room->model()->findPlayer(playerid) == nullptr) {
        return std::nullopt;
    }
    const std::optional<ValuationFigures> figures =
        readValuationFigures(state, dialogs, *room->model(), playerid);
    if (!figures) {
        return std::nullopt;
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
