// SPDX-License-Identifier: MIT
#include "gui/app/PracticeSession.h"

#include <QMessageBox>
#include <QWidget>

#include "app/ProgramState.h"
#include "app/UserDialogs.h"
#include "draftconfig/DraftList.h"
#include "gui/app/MainWindowView.h"
#include "gui/app/PracticeBots.h"
#include "gui/draftconfig/FormPracticeDraft.h"
#include "practice/PracticeDrafts.h"
#include "practice/PracticeReport.h"
#include "room/RefreshMain.h"

namespace quorvane::gui {

PracticeSession::PracticeSession(ProgramState& state, UserDialogs& dialogs, MainWindowView& main,
                                 QWidget* parent)
    : QObject(parent),
      m_state(state),
      m_dialogs(dialogs),
      m_main(main),
      m_parent(parent),
      m_bots(new PracticeBots(this)) {
    connect(m_bots, &PracticeBots::picked, this, &PracticeSession::roomChanged);
    connect(m_bots, &PracticeBots::ended, this, &PracticeSession::botsEnded);
    connect(m_bots, &PracticeBots::message, this,
            [this](const QString& title, const QString& text, int icon) {
                m_dialogs.showMessage(title.toStdString(), text.toStdString(),
                                      static_cast<MessageIcon>(icon));
            });
}

PracticeSession::~PracticeSession() {
    m_bots->stop();
}

bool PracticeSession::botsRunning() const {
    return m_bots->running();
}

void PracticeSession::startNew() {
    if (!m_state.draftSettings) {
        return;
    }
    FormPracticeDraft window(m_state, m_dialogs, m_parent);
    if (window.exec() != QDialog::Accepted || !window.chosen()) {
        return;
    }
    const PracticeStart& chosen = *window.chosen();
    m_bots->stop();
    const std::optional<int> practice = createPractice(m_state, m_dialogs, chosen.choice);
    if (!practice) {
        return;
    }
    m_pace = chosen.pace;
    openDraft(*practice);
}

void PracticeSession::restart() {
    if (!m_practice) {
        return;
    }
    m_bots->stop();
    if (restartPractice(m_state, m_dialogs, m_practice->template_id)) {
        m_over = false;
        m_main.refreshMain();
    }
}

void PracticeSession::backToDraft() {
    if (!m_practice) {
        return;
    }
    m_bots->stop();
    openDraft(m_practice->source_template_id);
}

void PracticeSession::openDraft(int templateId) {
    if (!openSelectedDraft(m_state, m_dialogs, templateId)) {
        return;
    }
    m_over = false;
    m_main.resetResearchGrid();
    m_main.refreshMain();
}

void PracticeSession::roomShown() {
    if (!m_state.draftSettings) {
        return;
    }
    const int open = m_state.draftSettings->template_id;
    if (!m_practice || m_practice->template_id != open) {
        m_bots->stop();
        m_over = false;
        bool failed = false;
        m_practice = readPracticeOf(m_state, m_dialogs, open, failed);
        QString source;
        if (m_practice) {
            if (const auto drafts = fillDraftList(m_state, m_dialogs)) {
                for (const DraftListEntry& draft : *drafts) {
                    if (draft.template_id == m_practice->source_template_id) {
                        source = QString::fromStdString(draft.template_name);
                    }
                }
            }
        }
        emit practiceShown(m_practice.has_value(), source);
    }
    if (!m_practice || m_over || m_bots->running()) {
        return;
    }
    // In a snake or straight draft the user's turn waits for him; the bots find out themselves
    // whether the draft is over or the nomination is his.
    const int onTheClock = teamOnTheClock(m_state);
    for (const DraftTeam& team : m_state.draftSettings->draftTeams) {
        if (team.owner != 0 && team.teamid == onTheClock) {
            return;
        }
    }
    m_bots->start(m_state, m_pace);
}

void PracticeSession::botsEnded(PracticeStop stop) {
    if (stop == PracticeStop::DraftOver && m_practice && !m_over) {
        m_over = true;
        showGrade();
    }
}

void PracticeSession::showGrade() {
    const std::optional<PracticeGrade> grade = gradeOpenDraft(m_state, m_dialogs);
    if (!grade) {
        return;
    }
    QMessageBox page(m_parent);
    page.setObjectName(QStringLiteral("practice_grade"));
    page.setWindowTitle(QStringLiteral("Practice Draft Complete"));
    page.setTextFormat(Qt::RichText);
    page.setText(QString::fromStdString(practiceGradeHtml(*grade)));
    page.exec();
}

}  // namespace quorvane::gui
