// SPDX-License-Identifier: MIT
#include "gui/app/SidePane.h"
#include "gui/widgets/NamedWidget.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/room/DraftNotesPanel.h"
#include "gui/room/MyTeamPanel.h"
#include "gui/widgets/WebPane.h"
#include "room/Rosters.h"

namespace quorvane::gui {

SidePane::SidePane(ProgramState& state, UserDialogs& dialogs, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("side_pane"));
    m_split = makeNamed<QSplitter>("splitter_side", Qt::Vertical, this);
    m_myTeam = new MyTeamPanelView(m_split);
    m_myTeam->hide();
    m_pages = makeNamed<QTabWidget>("tab_side", m_split);
    m_pages->setDocumentMode(true);
    m_pages->addTab(buildDraftInfo(), tr("Draft"));
    m_notes = new DraftNotesPanel(state, dialogs, m_pages);
    m_pages->addTab(m_notes, tr("Notes && Log"));
    m_webPane = new WebPane(state, m_pages);
    m_pages->addTab(m_webPane, tr("Page"));
    m_pages->setCurrentIndex(kWebPage);
    m_split->addWidget(m_myTeam);
    m_split->addWidget(m_pages);
    m_split->setCollapsible(0, false);
    // The user's team first; the draft's pages below take what a small screen leaves.
    m_split->setStretchFactor(0, 4);
    m_split->setStretchFactor(1, 1);
    m_pages->setMinimumHeight(140);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_split);
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int page) {
        giveRoomTo(page);
        emit pageChanged();
    });
}

// A player's page is read, not glanced at: while it is shown it takes the larger share of the
// pane, the user's team (its roster scrolling) the rest; the team gets its share back after.
void SidePane::giveRoomTo(int page) {
    // Measured on the splitter itself: its sizes are stale until the pane is laid out.
    const int total = m_split->height() - m_split->handleWidth();
    if (total <= 0 || !m_myTeam->isVisible()) {
        return;
    }
    if (page == kWebPage) {
        // The team keeps what it cannot do without, a few rows of its roster among it.
        m_myTeam->squeezeRoster(true);
        const int wanted = std::min(total * kPageShare / 100, total - m_myTeam->leastHeight());
        if (m_pages->height() < wanted) {
            m_pageTookRoom = true;
            m_split->setSizes({total - wanted, wanted});
        } else if (!m_pageTookRoom) {
            m_myTeam->squeezeRoster(false);
        }
    } else if (m_pageTookRoom) {
        m_pageTookRoom = false;
        m_myTeam->squeezeRoster(false);
        const int team = std::min(m_myTeam->sizeHint().height(), total - m_pages->minimumHeight());
        m_split->setSizes({team, total - team});
    }
}

QWidget* SidePane::buildDraftInfo() {
    auto* frame = new QGroupBox(tr("Draft Info"), m_pages);
    frame->setObjectName(QStringLiteral("frame_info"));
    frame->setFlat(true);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(4, 4, 4, 4);

    m_templateName = makeNamed<QLabel>("lbl_template", frame);
    QFont nameFont = m_templateName->font();
    nameFont.setBold(true);
    m_templateName->setFont(nameFont);
    m_templateName->setWordWrap(true);
    layout->addWidget(m_templateName);

    // A league of many teams lists more lines than a small screen holds: they scroll.
    auto* scroll = new QScrollArea(frame);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* lines = new QWidget;
    auto* linesLayout = new QVBoxLayout(lines);
    linesLayout->setContentsMargins(0, 0, 0, 0);
    m_moneyArea = new QVBoxLayout;
    m_moneyArea->setSpacing(2);
    linesLayout->addLayout(m_moneyArea);
    linesLayout->addStretch(1);
    scroll->setWidget(lines);
    layout->addWidget(scroll, 1);

    m_draftComplete = makeNamed<QLabel>("lbl_draftcomplete", tr("The draft is complete."), frame);
    m_draftComplete->setFont(nameFont);
    m_draftComplete->setVisible(false);
    layout->addWidget(m_draftComplete);

    auto* turnButtons = new QHBoxLayout;
    m_skip = makeNamed<QPushButton>("cmd_skip", QStringLiteral("Skip Pick"), frame);
    m_undoPick = makeNamed<QPushButton>("cmd_undopick", QStringLiteral("Undo Last Pick"), frame);
    // Nothing to skip or undo until a draft is open.
    m_skip->setEnabled(false);
    m_undoPick->setEnabled(false);
    m_skip->setToolTip(QStringLiteral("Ctrl+Shift+S"));
    m_undoPick->setToolTip(QStringLiteral("Ctrl+Z"));
    turnButtons->addWidget(m_skip);
    turnButtons->addWidget(m_undoPick);
    layout->addLayout(turnButtons);
    return frame;
}

void SidePane::showDraftOpen(const std::string& templateName, bool complete) {
    // A draft whose settings could not be read keeps the name shown before.
    if (!templateName.empty()) {
        m_templateName->setText(QString::fromStdString(templateName));
    }
    m_draftComplete->setVisible(complete);
    if (!m_draftShown) {
        m_draftShown = true;
        m_myTeam->show();
        if (currentPage() == kWebPage) {
            showPage(kDraftPage);
        }
    }
}

void SidePane::showMoney(const std::vector<MoneyLine>& lines) {
    QWidget* frame = m_moneyArea->parentWidget();
    while (QLayoutItem* item = m_moneyArea->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (const MoneyLine& line : lines) {
        auto* label = new QLabel(QString::fromStdString(line.caption), frame);
        label->setObjectName(QStringLiteral("lbl_owner"));
        QFont font = label->font();
        font.setBold(line.bold);
        label->setFont(font);
        m_moneyArea->addWidget(label);
    }
}

void SidePane::showPage(Page page) {
    m_pages->setCurrentIndex(page);
}

SidePane::Page SidePane::currentPage() const {
    return static_cast<Page>(m_pages->currentIndex());
}

}  // namespace quorvane::gui
