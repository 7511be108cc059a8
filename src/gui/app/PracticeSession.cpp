// SPDX-License-Identifier: MIT
#include "gui/app/PracticeSession.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>

#include "draftconfig/DraftList.h"
#include "gui/app/MainWindowView.h"
#include "gui/app/PracticeBots.h"
#include "gui/draftconfig/FormPracticeDraft.h"
#include "model/DraftModelLoader.h"
#include "practice/PracticeAuction.h"
#include "practice/PracticeDrafts.h"
#include "practice/PracticeReport.h"
#include "room/RefreshMain.h"
#include "room/RoomValues.h"
#include "room/Turns.h"
#include "session/DraftConversation.h"
#include "session/DraftModelConversation.h"
#include "session/ProgramState.h"
#include "session/ShowMessage.h"
#include "session/UserDialogs.h"
#include "text/CheckedNumber.h"

namespace quorvane::gui {

namespace {
// The page's margins, the text's frame and a scroll bar beside the grade's own size.
constexpr int kGradeFrame = 60;
// In average characters: the widest the grade's lines run, and the least the page is wide.
constexpr int kGradeReadingWidth = 90;
constexpr int kGradeLeastWidth = 48;
}  // namespace

PracticeSession::PracticeSession(ProgramState& state, UserDialogs& dialogs, MainWindowView& main,
                                 QWidget* parent)
    : QObject(parent),
      m_state(state),
      m_dialogs(dialogs),
      m_main(main),
      m_parent(parent),
      m_bots(new PracticeBots(this)) {
    connect(m_bots, &PracticeBots::picked, this, &PracticeSession::botPicked);
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
    if (!m_state.draftSettings()) {
        return;
    }
    FormPracticeDraft window(m_state, m_dialogs, m_parent);
    if (window.exec() != QDialog::Accepted || !window.chosen()) {
        return;
    }
    const PracticeStart& chosen = *window.chosen();
    m_bots->stop();
    const std::optional<int> practice = shown(m_dialogs, createPractice(m_state, chosen.choice));
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
    if (shown(m_dialogs, restartPractice(m_state, m_practice->template_id))) {
        m_over = false;
        endWait();
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
    endWait();
    m_main.resetResearchGrid();
    m_main.refreshMain();
}

void PracticeSession::roomShown() {
    if (!m_state.draftSettings()) {
        return;
    }
    const int open = m_state.draftSettings()->template_id;
    if (!m_practice || m_practice->template_id != open) {
        m_bots->stop();
        m_over = false;
        endWait();
        m_practice = shown(m_dialogs, readPracticeOf(m_state, open)).value_or(std::nullopt);
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
    if (m_bots->running()) {
        m_shownWhileRunning = true;
        return;
    }
    if (!m_practice || m_over) {
        return;
    }
    // A refresh that changed nothing (a setting, the inflation box) keeps the sale waiting with
    // whatever the user has typed so far.
    if (m_wait) {
        if (picksMade() == m_wait->picksMade) {
            return;
        }
        endWait();
    }
    // In a snake or straight draft the user's turn waits for him; the bots find out themselves
    // whether the draft is over (the user's own last pick included) or the nomination is his.
    if (m_state.draftSettings()->drafttype != kDraftTypeAuction &&
        !isDraftComplete(*m_state.loadedDraft)) {
        const int onTheClock = teamOnTheClock(*m_state.loadedDraft);
        for (const DraftTeam& team : m_state.draftSettings()->draftTeams) {
            if (team.owner != 0 && team.teamid == onTheClock) {
                return;
            }
        }
    }
    startBots({});
}

void PracticeSession::startBots(const PracticeRunOptions& options) {
    PracticeRunOptions run = options;
    run.pace = m_pace;
    run.askUserLimit = true;
    run.valuesCurrent = true;
    m_bots->start(m_state, run);
}

void PracticeSession::holdBots() {
    m_bots->stop();
}

void PracticeSession::turnChangedByUser() {
    if (!m_practice) {
        return;
    }
    m_over = false;
    endWait();
    roomShown();
}

// Picks that arrive faster than the window draws them are shown together, once the picks
// already on their way have all arrived.
void PracticeSession::botPicked() {
    if (m_showPending) {
        return;
    }
    m_showPending = true;
    QTimer::singleShot(0, this, &PracticeSession::showBotPicks);
}

void PracticeSession::showBotPicks() {
    if (m_showPending) {
        m_showPending = false;
        emit roomChanged();
    }
}

void PracticeSession::botsEnded(PracticeStop stop, int nominated) {
    // The room shows the bots' last picks before anything waits for the user.
    showBotPicks();
    const bool shownWhileRunning = std::exchange(m_shownWhileRunning, false);
    if (!m_practice) {
        return;
    }
    switch (stop) {
        case PracticeStop::DraftOver:
            if (!m_over) {
                m_over = true;
                showGrade();
            }
            break;
        case PracticeStop::UsersLimit:
            waitForLimit(nominated, false);
            break;
        case PracticeStop::UsersTurn:
            // The room changed while they stopped at his turn: he may have taken it meanwhile,
            // which the room could not hand to bots still running; it looks again.
            if (shownWhileRunning) {
                roomShown();
            }
            break;
        case PracticeStop::UsersNomination:
            m_wait = UserWait{picksMade().value_or(0), 0, true};
            emit news(
                tr("Your nomination: choose a player with Quick Pick (Ctrl+K) or the "
                   "search box"));
            break;
        default:
            break;
    }
}

std::optional<std::size_t> PracticeSession::picksMade() {
    const DraftModel* model = currentDraftModel(m_state, m_dialogs);
    return model != nullptr ? std::optional<std::size_t>(model->picks.size()) : std::nullopt;
}

bool PracticeSession::nominate(int playerId) {
    if (!m_practice || !m_wait || !m_wait->usersNomination || m_wait->playerId != 0) {
        return false;
    }
    const DraftModel* model = currentDraftModel(m_state, m_dialogs);
    const ModelTeam* mine = model != nullptr ? model->myTeam() : nullptr;
    const ModelPlayer* player = model != nullptr ? model->findPlayer(playerId) : nullptr;
    if (mine == nullptr) {
        return false;
    }
    const auto team = static_cast<std::size_t>(mine - model->teams.data());
    if (player == nullptr || !player->available() || !canRosterPlayer(*model, team, *player)) {
        m_dialogs.showMessage("Practice Draft",
                              "You cannot nominate this player: he is taken, unknown or has no "
                              "open slot on your team.",
                              MessageIcon::Exclamation);
        return true;
    }
    waitForLimit(playerId, true);
    return true;
}

void PracticeSession::waitForLimit(int playerId, bool usersNomination) {
    const DraftModel* model = currentDraftModel(m_state, m_dialogs);
    const ModelPlayer* player = model != nullptr ? model->findPlayer(playerId) : nullptr;
    const ModelTeam* mine = model != nullptr ? model->myTeam() : nullptr;
    if (player == nullptr || mine == nullptr) {
        return;
    }
    const auto team = static_cast<std::size_t>(mine - model->teams.data());
    m_wait = UserWait{model->picks.size(), playerId, usersNomination};
    QString by = tr("you");
    if (const std::optional<std::size_t> nominator = nominatingTeam(*model);
        nominator && !usersNomination) {
        by = QString::fromStdString(model->teams[*nominator].teamname);
    }
    const QString sale =
        tr("Up for sale: <b>%1 %2</b> (%3), nominated by %4. You may bid up to %5.")
            .arg(QString::fromStdString(player->firstname).toHtmlEscaped(),
                 QString::fromStdString(player->lastname).toHtmlEscaped(),
                 QString::fromStdString(player->pos).toHtmlEscaped(), by.toHtmlEscaped(),
                 QString::fromStdString(formatMoney(largestAllowedBid(*model, team),
                                                    priceDecimals(*model->settings))));
    emit limitWanted(sale);
}

void PracticeSession::endWait() {
    if (m_wait) {
        m_wait.reset();
        emit limitSettled();
    }
}

bool PracticeSession::confirmLimit(const QString& text) {
    if (!m_wait || m_wait->playerId == 0) {
        return false;
    }
    const DraftModel* model = currentDraftModel(m_state, m_dialogs);
    const ModelTeam* mine = model != nullptr ? model->myTeam() : nullptr;
    if (mine == nullptr) {
        return false;
    }
    const double largest =
        largestAllowedBid(*model, static_cast<std::size_t>(mine - model->teams.data()));
    const FieldRange range{kBidLimitRange.low, std::max(0.0, largest)};
    const NumberReading limit = readCheckedWholeNumber(text.toStdString(), kDecimalPoint, range);
    if (!limit.ok()) {
        m_dialogs.showMessage(
            "Practice Draft",
            "Your limit " + numberProblemText(limit, range) + ": type whole dollars, 0 to pass.",
            MessageIcon::Exclamation);
        return false;
    }
    PracticeRunOptions options;
    options.userLimits[m_wait->playerId] = limit.value;
    if (m_wait->usersNomination) {
        options.nomination = m_wait->playerId;
    }
    m_wait.reset();
    emit limitSettled();
    startBots(options);
    return true;
}

// The page scrolls: a whole draft's picks against ADP are taller than a small screen.
void PracticeSession::showGrade() {
    const std::optional<PracticeGrade> grade = shown(m_dialogs, gradeOpenDraft(m_state));
    if (!grade) {
        return;
    }
    QDialog page(m_parent);
    page.setObjectName(QStringLiteral("practice_grade"));
    page.setWindowTitle(QStringLiteral("Practice Draft Complete"));
    auto* text = new QTextBrowser(&page);
    text->setObjectName(QStringLiteral("txt_grade"));
    text->setHtml(QString::fromStdString(practiceGradeHtml(*grade)));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &page);
    connect(buttons, &QDialogButtonBox::accepted, &page, &QDialog::accept);
    auto* layout = new QVBoxLayout(&page);
    layout->addWidget(text, 1);
    layout->addWidget(buttons);
    // The text is laid out at a reading width first: laid out at the narrow width of a text box
    // not yet shown, its ideal width was a word or a letter, and the page opened that narrow.
    QTextDocument* document = text->document();
    const int character = text->fontMetrics().averageCharWidth();
    document->setTextWidth(kGradeReadingWidth * character);
    const int width =
        std::max(static_cast<int>(std::ceil(document->idealWidth())), kGradeLeastWidth * character);
    document->setTextWidth(width);
    const QSize wanted = QSize(width, static_cast<int>(std::ceil(document->size().height()))) +
                         QSize(kGradeFrame, kGradeFrame) + QSize(0, buttons->sizeHint().height());
    const QRect screen = m_parent->screen()->availableGeometry();
    page.resize(std::min(wanted.width(), screen.width() * 9 / 10),
                std::min(wanted.height(), screen.height() * 9 / 10));
    buttons->button(QDialogButtonBox::Ok)->setFocus();
    page.exec();
}

}  // namespace quorvane::gui
