// SPDX-License-Identifier: MIT
#include "gui/valuation/TargetsPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/valuation/ValuationCharts.h"
#include "model/Punts.h"
#include "session/DraftModelConversation.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "session/ValuationConversation.h"

namespace quorvane::gui {

namespace {

// Each column of rows takes six grid columns: caption, target, actual, difference, punt and
// (head-to-head leagues) the chance against the average team.
constexpr int kCellsPerColumn = 6;

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

}  // namespace

TargetsPage::TargetsPage(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      m_state(state),
      m_dialogs(dialogs),
      frm_batting_targets(new QGroupBox(tr("Categories"), this)),
      m_rowsLayout(new QGridLayout(frm_batting_targets)),
      m_secondTargetHeading(new QLabel(tr("Target"), frm_batting_targets)),
      m_secondActualHeading(new QLabel(tr("Actual"), frm_batting_targets)),
      m_secondPuntHeading(new QLabel(tr("Punt"), frm_batting_targets)),
      m_chanceHeading(new QLabel(tr("Chance"), frm_batting_targets)),
      m_secondChanceHeading(new QLabel(tr("Chance"), frm_batting_targets)),
      cmd_set_targets(new QPushButton(tr("Update Targets"), this)),
      cmd_help_targets(new QPushButton(tr("Help"), this)),
      lbl_target_directions(new QLabel(
          tr("Add any targets that you wish to reach for each category and click 'Update "
             "Targets'.  Click on 'Update Targets' after you have added players to your team to "
             "see where you stand in each category."),
          this)),
      m_chart(new TargetsChart(state, dialogs, this)) {
    frm_batting_targets->setObjectName("frm_batting_targets");
    cmd_set_targets->setObjectName("cmd_set_targets");
    cmd_help_targets->setObjectName("cmd_help_targets");
    lbl_target_directions->setObjectName("lbl_target_directions");
    lbl_target_directions->setWordWrap(true);

    m_rowsLayout->addWidget(new QLabel(tr("Target"), frm_batting_targets), 0, 1);
    m_rowsLayout->addWidget(new QLabel(tr("Actual"), frm_batting_targets), 0, 2);
    m_rowsLayout->addWidget(new QLabel(tr("Punt"), frm_batting_targets), 0, 4);
    m_rowsLayout->addWidget(m_secondTargetHeading, 0, kCellsPerColumn + 1);
    m_rowsLayout->addWidget(m_secondActualHeading, 0, kCellsPerColumn + 2);
    m_rowsLayout->addWidget(m_secondPuntHeading, 0, kCellsPerColumn + 4);
    m_rowsLayout->addWidget(m_chanceHeading, 0, 5);
    m_rowsLayout->addWidget(m_secondChanceHeading, 0, kCellsPerColumn + 5);
    m_chanceHeading->setToolTip(
        tr("Your chance to win the category in a week against the league's average team"));
    m_secondTargetHeading->hide();
    m_secondActualHeading->hide();
    m_secondPuntHeading->hide();
    m_chanceHeading->hide();
    m_secondChanceHeading->hide();
    m_rowsLayout->setRowStretch(kRowsPerColumn + 1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmd_set_targets);
    buttons->addStretch();
    buttons->addWidget(cmd_help_targets);
    auto* layout = new QVBoxLayout(this);
    auto* panelAndChart = new QHBoxLayout;
    panelAndChart->addWidget(frm_batting_targets, 1);
    panelAndChart->addWidget(m_chart, 1);
    layout->addLayout(panelAndChart, 1);
    layout->addWidget(lbl_target_directions);
    layout->addLayout(buttons);

    connect(cmd_set_targets, &QPushButton::clicked, this, &TargetsPage::setTargets);
    connect(cmd_help_targets, &QPushButton::clicked, this,
            [this] { emit helpRequested(QString::fromLatin1(kHelpPath)); });
}

void TargetsPage::showCategoryTargets() {
    if (!m_state.hasDraft()) {
        return;
    }
    if (const auto rows = quorvane::showCategoryTargets(m_state, m_dialogs)) {
        showRows(*rows);
    }
}

void TargetsPage::setTargets() {
    if (!m_state.hasDraft()) {
        return;
    }
    std::vector<std::string> texts;
    for (const QLineEdit* box : txt_target) {
        texts.push_back(box->text().toStdString());
    }
    m_dialogs.setBusy(true);
    const auto rows = saveCategoryTargets(m_state, m_dialogs, texts);
    m_dialogs.setBusy(false);
    if (rows) {
        showRows(*rows);
    }
}

void TargetsPage::clearRows() {
    for (auto* list : {&lbl_target, &lbl_diff, &lbl_chance}) {
        for (QLabel* label : *list) {
            delete label;
        }
        list->clear();
    }
    for (auto* list : {&txt_target, &txt_actual}) {
        for (QLineEdit* box : *list) {
            delete box;
        }
        list->clear();
    }
    for (QCheckBox* box : chk_punt) {
        delete box;
    }
    chk_punt.clear();
    m_categoryIds.clear();
}

void TargetsPage::showPunts() {
    const std::optional<std::vector<int>> punts = readPunts(m_state, m_dialogs);
    if (!punts) {
        return;
    }
    for (std::size_t i = 0; i < chk_punt.size(); ++i) {
        const QSignalBlocker quiet(chk_punt[i]);
        chk_punt[i]->setChecked(std::find(punts->begin(), punts->end(), m_categoryIds[i]) !=
                                punts->end());
    }
}

void TargetsPage::savePuntBoxes() {
    std::vector<int> punts;
    for (std::size_t i = 0; i < chk_punt.size(); ++i) {
        if (chk_punt[i]->isChecked()) {
            punts.push_back(m_categoryIds[i]);
        }
    }
    if (!savePunts(m_state, m_dialogs, punts)) {
        showPunts();
        return;
    }
    emit puntsChanged();
}

void TargetsPage::showRows(const std::vector<TargetRow>& rows) {
    clearRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TargetRow& row = rows[i];
        const int gridRow = static_cast<int>(i % kRowsPerColumn) + 1;
        const int firstCell = static_cast<int>(i / kRowsPerColumn) * kCellsPerColumn;

        // Control arrays: every row's controls share the array's name, in row order.
        auto* caption = new QLabel(text(row.symbol), frm_batting_targets);
        caption->setObjectName("lbl_target");
        auto* target = new QLineEdit(text(row.target), frm_batting_targets);
        target->setObjectName("txt_target");
        auto* actual = new QLineEdit(text(row.actual), frm_batting_targets);
        actual->setObjectName("txt_actual");
        actual->setReadOnly(true);
        auto* difference = new QLabel(text(row.difference), frm_batting_targets);
        difference->setObjectName("lbl_diff");
        colourDifference(difference, row);
        auto* punt = new QCheckBox(frm_batting_targets);
        punt->setObjectName("chk_punt");
        punt->setToolTip(tr("Give up %1: it adds nothing to Gain and Z").arg(text(row.symbol)));
        connect(punt, &QCheckBox::toggled, this, &TargetsPage::savePuntBoxes);
        m_rowsLayout->addWidget(caption, gridRow, firstCell);
        m_rowsLayout->addWidget(target, gridRow, firstCell + 1);
        m_rowsLayout->addWidget(actual, gridRow, firstCell + 2);
        m_rowsLayout->addWidget(difference, gridRow, firstCell + 3);
        m_rowsLayout->addWidget(punt, gridRow, firstCell + 4);
        auto* chance = new QLabel(text(row.chance), frm_batting_targets);
        chance->setObjectName("lbl_chance");
        chance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_rowsLayout->addWidget(chance, gridRow, firstCell + 5);
        lbl_chance.push_back(chance);
        lbl_target.push_back(caption);
        txt_target.push_back(target);
        txt_actual.push_back(actual);
        lbl_diff.push_back(difference);
        chk_punt.push_back(punt);
        m_categoryIds.push_back(row.categoryid);
    }
    const bool secondColumn = rows.size() > static_cast<std::size_t>(kRowsPerColumn);
    m_secondTargetHeading->setVisible(secondColumn);
    m_secondActualHeading->setVisible(secondColumn);
    m_secondPuntHeading->setVisible(secondColumn);
    showChanceHeadings(rows);
    showPunts();
    m_chart->refresh();
}

void TargetsPage::showChanceHeadings(const std::vector<TargetRow>& rows) {
    const bool chances = std::any_of(rows.begin(), rows.end(),
                                     [](const TargetRow& row) { return !row.chance.empty(); });
    m_chanceHeading->setVisible(chances);
    m_secondChanceHeading->setVisible(chances &&
                                      rows.size() > static_cast<std::size_t>(kRowsPerColumn));
}

void TargetsPage::colourDifference(QLabel* label, const TargetRow& row) {
    QPalette palette = label->palette();
    const QColor colour = row.differenceColour
                              ? QColor(row.differenceColour->red, row.differenceColour->green,
                                       row.differenceColour->blue)
                              : label->parentWidget()->palette().color(QPalette::WindowText);
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void TargetsPage::showLiveRows(const std::vector<TargetRow>& rows) {
    bool sameRows = rows.size() == lbl_target.size();
    for (std::size_t i = 0; sameRows && i < rows.size(); ++i) {
        sameRows = lbl_target[i]->text() == text(rows[i].symbol);
    }
    if (!sameRows) {
        showRows(rows);
        return;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!txt_target[i]->isModified()) {
            txt_target[i]->setText(text(rows[i].target));
        }
        txt_actual[i]->setText(text(rows[i].actual));
        lbl_diff[i]->setText(text(rows[i].difference));
        colourDifference(lbl_diff[i], rows[i]);
        lbl_chance[i]->setText(text(rows[i].chance));
    }
    showChanceHeadings(rows);
    showPunts();
    m_chart->refresh();
}

}  // namespace quorvane::gui
