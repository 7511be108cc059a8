// SPDX-License-Identifier: MIT
#include "gui/room/ResearchPage.h"
#include "gui/widgets/NamedWidget.h"

#include <QHBoxLayout>

#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/models/GridTableModel.h"
#include "gui/room/GridViews.h"
#include "gui/widgets/ElidingDelegate.h"
#include "platform/ServiceEndpoints.h"
#include "room/PlayerLists.h"
#include "session/ProgramState.h"

namespace quorvane::gui {

ResearchPage::ResearchPage(ProgramState& state, QWidget* parent)
    : QWidget(parent), m_state(state), m_model(new GridTableModel(this)) {
    setObjectName(QStringLiteral("ResearchPage"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* controls = new QHBoxLayout;
    optAvailable = makeNamed<QRadioButton>("optAvailable", QStringLiteral("Available"), this);
    optAvailable->setChecked(true);
    optTaken = makeNamed<QRadioButton>("optTaken", QStringLiteral("Taken"), this);
    controls->addWidget(optAvailable);
    controls->addWidget(optTaken);
    controls->addSpacing(16);
    const int year = m_state.projectionYear;
    const std::array<QString, 2> captions = {QStringLiteral("PROJ"), QString::number(year - 1)};
    const std::array<QString, 2> tips = {QStringLiteral("%1 Projections").arg(year),
                                         QStringLiteral("%1 Stats").arg(year - 1)};
    for (int index = 0; index < 2; ++index) {
        auto* button = new QPushButton(captions[static_cast<std::size_t>(index)], this);
        button->setObjectName(QStringLiteral("cmd_res_stats_%1").arg(index));
        button->setToolTip(tips[static_cast<std::size_t>(index)]);
        connect(button, &QPushButton::clicked, this, [this, index] { pressStatsButton(index); });
        cmd_res_stats[static_cast<std::size_t>(index)] = button;
        controls->addWidget(button);
    }
    highlightButton({cmd_res_stats[0], cmd_res_stats[1]}, 0);
    controls->addStretch(1);
    cmd_help_research = makeNamed<QPushButton>("cmd_help_research", QStringLiteral("Help"), this);
    connect(cmd_help_research, &QPushButton::clicked, this, &ResearchPage::helpRequested);
    controls->addWidget(cmd_help_research);
    layout->addLayout(controls);

    dg_research = makeRoomGrid(QStringLiteral("dg_research"), m_model, this);
    dg_research->setTextElideMode(Qt::ElideMiddle);
    dg_research->setItemDelegate(new ElidingDelegate(dg_research));
    dg_research->installEventFilter(this);
    layout->addWidget(dg_research, 1);

    // Only the option being switched on refills; the other one's toggle off is the same click.
    for (QRadioButton* option : {optAvailable, optTaken}) {
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on) {
                fillResearchGrid();
            }
        });
    }
    connect(dg_research->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) {
                const auto& headings = m_model->table().headings;
                if (column >= 0 && column < static_cast<int>(headings.size())) {
                    m_researchSort = headings[static_cast<std::size_t>(column)];
                    m_sortReversed = false;
                    fillResearchGrid();
                }
            });
    connect(dg_research, &QTableView::clicked, this, [this](const QModelIndex& index) {
        const int id = playerIdOfRow(*m_model, index.row());
        if (id > 0 && id < kFirstCustomPlayerId) {
            emit playerPageRequested(id);
        }
    });
    connect(dg_research, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        const int id = playerIdOfRow(*m_model, index.row());
        if (optAvailable->isChecked() && id > 0) {
            emit addPlayerRequested(id);
        }
    });
}

void ResearchPage::fillResearchGrid() {
    const std::string_view researchFilter = optTaken->isChecked() ? "TAKEN" : "AVAILABLE";
    if (auto grid = quorvane::fillResearchGrid(m_state, researchFilter, m_researchSort)) {
        if (m_sortReversed) {
            std::reverse(grid->rows.begin(), grid->rows.end());
            std::reverse(grid->rowColours.begin(), grid->rowColours.end());
        }
        showGridTable(dg_research, m_model, std::move(*grid));
        growNumberColumnsToWidest(dg_research, *m_model);
    }
}

void ResearchPage::sortByCurrentColumn(bool reversed) {
    const QModelIndex current = dg_research->currentIndex();
    const auto& headings = m_model->table().headings;
    if (!current.isValid() || current.column() >= static_cast<int>(headings.size())) {
        return;
    }
    m_researchSort = headings[static_cast<std::size_t>(current.column())];
    m_sortReversed = reversed;
    fillResearchGrid();
    if (m_model->rowCount() > 0) {
        dg_research->setCurrentIndex(m_model->index(0, current.column()));
    }
}

int ResearchPage::currentPlayerId() const {
    const QModelIndex current = dg_research->currentIndex();
    return current.isValid() ? playerIdOfRow(*m_model, current.row()) : 0;
}

void ResearchPage::focusGrid() {
    dg_research->setFocus(Qt::ShortcutFocusReason);
    if (!dg_research->currentIndex().isValid() && m_model->rowCount() > 0) {
        dg_research->setCurrentIndex(m_model->index(0, 1));
    }
}

bool ResearchPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dg_research && event->type() == QEvent::KeyPress) {
        const PlayerRowKey asked = playerRowKey(*static_cast<QKeyEvent*>(event));
        const int id = currentPlayerId();
        if (id > 0 && asked == PlayerRowKey::Pick) {
            if (optAvailable->isChecked()) {
                emit addPlayerRequested(id);
            }
            return true;
        }
        if (id > 0 && asked == PlayerRowKey::Page) {
            if (id < kFirstCustomPlayerId) {
                emit playerPageRequested(id);
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ResearchPage::reset() {
    if (optAvailable->isChecked()) {
        fillResearchGrid();
    } else {
        optAvailable->setChecked(true);
    }
    dg_research->clearSelection();
    dg_research->scrollToTop();
}

void ResearchPage::pressStatsButton(int index) {
    highlightButton({cmd_res_stats[0], cmd_res_stats[1]}, index);
    m_state.researchYear = index == 0 ? m_state.projectionYear : m_state.projectionYear - 1;
    fillResearchGrid();
}

}  // namespace quorvane::gui
