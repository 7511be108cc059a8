// SPDX-License-Identifier: MIT
#include "gui/projections/FormImportTable.h"
#include "gui/widgets/NamedWidget.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/projections/ImportProgressDialogs.h"
#include "session/ProgramState.h"
#include "session/ProjectionConversation.h"

namespace quorvane::gui {

namespace {

// Enough rows to recognise the layout without filling the window.
constexpr int kPreviewRows = 8;

QString text(std::string_view value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

constexpr int kChoiceSkip = -1;
constexpr int kReviewChoiceColumn = 3;
constexpr int kChoiceNew = 0;

QString suggestionText(const PlayerSuggestion& player) {
    return QStringLiteral("%1 (%2%3)")
        .arg(text(player.name))
        .arg(player.playerid)
        .arg(player.team.empty() ? QString() : QStringLiteral(", ") + text(player.team));
}

QString reviewOutcome(ReviewRow::Kind kind) {
    switch (kind) {
        case ReviewRow::Kind::NoMatch:
            return QStringLiteral("matches nobody");
        case ReviewRow::Kind::Ambiguous:
            return QStringLiteral("fits several players");
        case ReviewRow::Kind::LostLetters:
            return QStringLiteral("letters lost to the file's code page");
        case ReviewRow::Kind::SingleName:
            return QStringLiteral("a single name, matches nobody");
    }
    return {};
}

QString countLine(const char* caption, long long count, const std::vector<std::string>& names) {
    QString line = QStringLiteral("%1: %2").arg(QString::fromLatin1(caption)).arg(count);
    for (const std::string& name : names) {
        line += QStringLiteral("\n    ") + text(name);
    }
    return line;
}

}  // namespace

FormImportTable::FormImportTable(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs) {
    setObjectName("form_importTable");
    setWindowTitle("Import Projection Table");
    resize(980, 640);

    txt_file = makeNamed<QLineEdit>("txt_file", this);
    txt_file->setReadOnly(true);
    txt_file->setPlaceholderText(
        "Choose a projection table (CSV, TSV, .xlsx or .xls) or paste one copied from a page");
    cmd_browse = makeNamed<QPushButton>("cmd_browse", "&Choose File...", this);
    cmd_paste = makeNamed<QPushButton>("cmd_paste", "&Paste Table", this);
    cmd_paste->setToolTip("Take the table copied from a page (select it, copy, then press here)");
    cmb_sheet = makeNamed<QComboBox>("cmb_sheet", this);
    cmb_sheet->setEnabled(false);
    cmb_sheet->setMinimumContentsLength(12);
    auto* fileRow = new QHBoxLayout();
    fileRow->addWidget(new QLabel("Table:", this));
    fileRow->addWidget(txt_file, 1);
    fileRow->addWidget(new QLabel("Sheet:", this));
    fileRow->addWidget(cmb_sheet);
    fileRow->addWidget(cmd_browse);
    fileRow->addWidget(cmd_paste);

    grid_preview = makeNamed<QTableWidget>("grid_preview", this);
    grid_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_preview->setSelectionMode(QAbstractItemView::NoSelection);
    grid_preview->verticalHeader()->setDefaultSectionSize(22);

    cmb_figures = makeNamed<QComboBox>("cmb_figures", this);
    cmb_figures->addItems({"Per game", "Season totals"});
    spn_season = makeNamed<QSpinBox>("spn_season", this);
    spn_season->setRange(kFirstSeason, kLastSeason);
    spn_season->setValue(m_state.projectionYear);
    txt_source = makeNamed<QLineEdit>("txt_source", this);
    auto* choices = new QFormLayout();
    choices->addRow("Figures:", cmb_figures);
    choices->addRow("Season:", spn_season);
    choices->addRow("ADP source:", txt_source);

    cmd_dryrun = makeNamed<QPushButton>("cmd_dryrun", "&Dry Run", this);
    cmd_import = makeNamed<QPushButton>("cmd_import", "&Import", this);
    cmd_close = makeNamed<QPushButton>("cmd_close", "C&lose", this);
    // Enter tries the file without writing anything; importing is a choice of its own.
    cmd_dryrun->setDefault(true);
    cmd_dryrun->setEnabled(false);
    cmd_import->setEnabled(false);
    auto* buttons = new QVBoxLayout();
    buttons->addWidget(cmd_dryrun);
    buttons->addWidget(cmd_import);
    buttons->addStretch();
    buttons->addWidget(cmd_close);

    txt_report = makeNamed<QPlainTextEdit>("txt_report", this);
    txt_report->setReadOnly(true);
    txt_report->setPlaceholderText("A dry run reports the players matched, new and ambiguous.");
    prg_import = makeNamed<QProgressBar>("prg_import", this);
    prg_import->setRange(0, 1);
    prg_import->setValue(0);

    grid_review = makeNamed<QTableWidget>("grid_review", this);
    grid_review->setColumnCount(4);
    grid_review->setHorizontalHeaderLabels({"Row", "Team", "Why", "Import as"});
    grid_review->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // From the keyboard: Up and Down go through the rows, Enter or Space opens the row's choice,
    // Tab leaves the list.
    grid_review->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_review->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_review->setTabKeyNavigation(false);
    grid_review->installEventFilter(this);
    grid_review->verticalHeader()->setVisible(false);
    grid_review->horizontalHeader()->setStretchLastSection(true);
    auto* results = makeNamed<QTabWidget>("tab_results", this);
    results->addTab(txt_report, "&Report");
    results->addTab(grid_review, "Rows to Re&view");
    // After the tab's own change of focus, which lands on a row's choice.
    connect(results, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1 && grid_review->rowCount() > 0) {
            QTimer::singleShot(0, grid_review,
                               [this] { grid_review->setFocus(Qt::ShortcutFocusReason); });
        }
    });

    auto* lower = new QHBoxLayout();
    lower->addLayout(choices);
    lower->addWidget(results, 1);
    lower->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addWidget(new QLabel("First rows, with the field each column is read as:", this));
    layout->addWidget(grid_preview, 3);
    layout->addLayout(lower, 2);
    layout->addWidget(prg_import);

    connect(cmd_browse, &QPushButton::clicked, this, &FormImportTable::chooseFile);
    connect(cmd_paste, &QPushButton::clicked, this, &FormImportTable::pasteFromClipboard);
    connect(cmb_sheet, &QComboBox::activated, this,
            [this] { loadTable(m_path, cmb_sheet->currentText()); });
    connect(cmd_dryrun, &QPushButton::clicked, this, [this] { runImport(true); });
    connect(cmd_import, &QPushButton::clicked, this, [this] { runImport(false); });
    connect(cmd_close, &QPushButton::clicked, this, &QDialog::accept);
}

void FormImportTable::chooseFile() {
    const QString path =
        QFileDialog::getOpenFileName(this, "Choose Projection Table", QDir::homePath(),
                                     "Tables (*.csv *.tsv *.txt *.xlsx *.xls);;All files (*)");
    if (!path.isEmpty()) {
        loadTable(path);
    }
}

void FormImportTable::pasteFromClipboard() {
    pasteTable(QApplication::clipboard()->text());
}

bool FormImportTable::loadTable(const QString& path, const QString& sheet) {
    auto file =
        readProjectionTableFile(m_state, m_dialogs, path.toStdString(), sheet.toStdString());
    if (!file) {
        return false;
    }
    m_file = std::move(file);
    m_path = path;
    showTable(path, QFileInfo(path).completeBaseName());
    return true;
}

bool FormImportTable::pasteTable(const QString& pasted) {
    const QByteArray bytes = pasted.toUtf8();
    TableFile file{readPastedTable(
                       std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))),
                   {},
                   {}};
    if (file.table.records.size() < 2) {
        m_dialogs.showMessage("Paste Table",
                              "The clipboard holds no table: select the table on the page, copy "
                              "it, then press Paste Table.",
                              MessageIcon::Exclamation);
        return false;
    }
    m_file = std::move(file);
    m_path = QStringLiteral("pasted table");
    showTable(m_path, QStringLiteral("pasted"));
    return true;
}

void FormImportTable::showTable(const QString& label, const QString& source) {
    txt_file->setText(label);
    txt_source->setText(source);
    cmb_sheet->clear();
    for (const std::string& sheet : m_file->sheets) {
        cmb_sheet->addItem(text(sheet));
    }
    cmb_sheet->setCurrentText(text(m_file->sheet));
    cmb_sheet->setEnabled(m_file->sheets.size() > 1);
    const TableLayout layout = mapTableColumns(m_file->table, {});
    cmb_figures->setCurrentIndex(layout.perGame ? 0 : 1);
    showPreview(layout);
    txt_report->clear();
    if (!m_file->table.headed) {
        txt_report->setPlainText(
            "The table has no heading line: choose in the first row what each column holds (a "
            "name column at least), then Dry Run.");
    }
    clearReview();
    prg_import->setValue(0);
    cmd_dryrun->setEnabled(true);
    cmd_import->setEnabled(true);
}

void FormImportTable::showPreview(const TableLayout& layout) {
    const int columns = static_cast<int>(layout.columns.size());
    const int records = static_cast<int>(m_file->table.records.size());
    const int shown = std::min(kPreviewRows, std::max(0, records - 1));
    grid_preview->clear();
    grid_preview->setColumnCount(columns);
    grid_preview->setRowCount(shown + 1);
    m_fieldChoices.clear();
    QStringList headings;
    for (int c = 0; c < columns; ++c) {
        const TableColumn& column = layout.columns[static_cast<std::size_t>(c)];
        headings << text(column.heading);
        auto* choice = new QComboBox(grid_preview);
        choice->setObjectName(QStringLiteral("cmb_field_%1").arg(c));
        for (const TableField field : allTableFields()) {
            choice->addItem(text(tableFieldName(field)), static_cast<int>(field));
        }
        choice->setCurrentIndex(choice->findData(static_cast<int>(column.field)));
        if (!column.known && column.closest != TableField::Ignore) {
            choice->setToolTip(QStringLiteral("Not used; nearest field: %1")
                                   .arg(text(tableFieldName(column.closest))));
        }
        // Rows settled for another mapping may not be the same rows any more.
        connect(choice, &QComboBox::currentIndexChanged, this, [this] { clearReview(); });
        grid_preview->setCellWidget(0, c, choice);
        m_fieldChoices.push_back(choice);
    }
    grid_preview->setHorizontalHeaderLabels(headings);
    grid_preview->setVerticalHeaderItem(0, new QTableWidgetItem("field"));
    for (int r = 1; r <= shown; ++r) {
        const TableRecord& record = m_file->table.records[static_cast<std::size_t>(r)];
        grid_preview->setVerticalHeaderItem(r, new QTableWidgetItem(QString::number(r)));
        for (int c = 0; c < columns && c < static_cast<int>(record.cells.size()); ++c) {
            grid_preview->setItem(
                r, c, new QTableWidgetItem(text(record.cells[static_cast<std::size_t>(c)])));
        }
    }
    grid_preview->resizeColumnsToContents();
}

TableImportOptions FormImportTable::chosenOptions(bool dryRun) const {
    TableImportOptions options;
    options.season = spn_season->value();
    options.perGame = cmb_figures->currentIndex() == 0;
    options.source = txt_source->text().trimmed().toStdString();
    options.dryRun = dryRun;
    for (std::size_t r = 0; r < m_rowChoices.size(); ++r) {
        const int chosen = m_rowChoices[r]->currentData().toInt();
        RowChoice choice;
        choice.row = m_reviewLabels[r];
        choice.kind = chosen == kChoiceSkip  ? RowChoice::Kind::Skip
                      : chosen == kChoiceNew ? RowChoice::Kind::NewPlayer
                                             : RowChoice::Kind::Player;
        choice.playerid = chosen;
        options.choices.push_back(std::move(choice));
    }
    for (std::size_t c = 0; c < m_fieldChoices.size(); ++c) {
        options.mappings.emplace_back(
            grid_preview->horizontalHeaderItem(static_cast<int>(c))->text().toStdString(),
            static_cast<TableField>(m_fieldChoices[c]->currentData().toInt()));
    }
    return options;
}

std::optional<TableImportReport> FormImportTable::runImport(bool dryRun) {
    if (!m_file) {
        return std::nullopt;
    }
    ImportProgressDialogs progress(m_dialogs,
                                   [this](const QString&, long long done, long long total) {
                                       prg_import->setRange(0, static_cast<int>(total));
                                       prg_import->setValue(static_cast<int>(done));
                                   });
    cmd_dryrun->setEnabled(false);
    cmd_import->setEnabled(false);
    TableImportOptions options = chosenOptions(dryRun);
    std::optional<TableImportReport> report;
    if (!dryRun) {
        // Most rows matching nobody is a wrong name column or season more often than a table
        // of newcomers: the user says which before anything is written.
        TableImportOptions check = options;
        check.dryRun = true;
        const auto planned =
            importProjectionTable(m_state, progress, m_file->table, m_path.toStdString(), check);
        const bool go =
            planned &&
            (!planned->manyNew ||
             m_dialogs.askYesNo(
                 "Check the Table",
                 QStringLiteral("%1 of the %2 players of the table match nobody: the name column "
                                "or the season may be wrong. Create %1 new players?")
                     .arg(planned->created)
                     .arg(planned->playerRows)
                     .toStdString()));
        options.allowNew = true;
        if (go) {
            report = importProjectionTable(m_state, progress, m_file->table, m_path.toStdString(),
                                           options);
        }
    } else {
        report =
            importProjectionTable(m_state, progress, m_file->table, m_path.toStdString(), options);
    }
    cmd_dryrun->setEnabled(true);
    cmd_import->setEnabled(true);
    if (report) {
        showReport(*report, dryRun);
        if (dryRun) {
            showReview(*report);
        } else {
            clearReview();
            emit refreshRequested();
        }
    }
    return report;
}

void FormImportTable::showReview(const TableImportReport& report) {
    // Choices already made for a row stay when a second dry run lists it again.
    std::vector<std::pair<std::string, int>> earlier;
    for (std::size_t r = 0; r < m_rowChoices.size(); ++r) {
        earlier.emplace_back(m_reviewLabels[r], m_rowChoices[r]->currentData().toInt());
    }
    grid_review->setRowCount(0);
    m_rowChoices.clear();
    m_reviewLabels.clear();
    const int rows = static_cast<int>(report.review.size());
    grid_review->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        const ReviewRow& row = report.review[static_cast<std::size_t>(r)];
        grid_review->setItem(r, 0, new QTableWidgetItem(text(row.label)));
        grid_review->setItem(r, 1, new QTableWidgetItem(text(row.team)));
        grid_review->setItem(r, 2, new QTableWidgetItem(reviewOutcome(row.kind)));
        auto* choice = new QComboBox(grid_review);
        choice->setObjectName(QStringLiteral("cmb_row_%1").arg(r));
        if (row.kind == ReviewRow::Kind::NoMatch) {
            choice->addItem("New player", kChoiceNew);
        } else {
            choice->addItem("Leave out", kChoiceSkip);
        }
        for (const PlayerSuggestion& player : row.candidates) {
            choice->addItem(suggestionText(player), player.playerid);
        }
        if (row.kind == ReviewRow::Kind::NoMatch) {
            choice->addItem("Leave out", kChoiceSkip);
        } else if (row.canBeNew()) {
            choice->addItem("New player", kChoiceNew);
        }
        const int proposed = row.proposal.kind == RowChoice::Kind::Player ? row.proposal.playerid
                             : row.proposal.kind == RowChoice::Kind::NewPlayer ? kChoiceNew
                                                                               : kChoiceSkip;
        if (choice->findData(proposed) >= 0) {
            choice->setCurrentIndex(choice->findData(proposed));
        }
        for (const auto& [label, chosen] : earlier) {
            if (label == row.label && choice->findData(chosen) >= 0) {
                choice->setCurrentIndex(choice->findData(chosen));
            }
        }
        // A choice made hands the keyboard back to the list.
        connect(choice, &QComboBox::activated, grid_review,
                [this] { grid_review->setFocus(Qt::OtherFocusReason); });
        grid_review->setCellWidget(r, kReviewChoiceColumn, choice);
        m_rowChoices.push_back(choice);
        m_reviewLabels.push_back(row.label);
    }
    grid_review->resizeColumnsToContents();
    showReviewCount();
}

void FormImportTable::clearReview() {
    grid_review->setRowCount(0);
    m_rowChoices.clear();
    m_reviewLabels.clear();
    showReviewCount();
}

void FormImportTable::showReviewCount() {
    if (auto* results = findChild<QTabWidget*>("tab_results")) {
        const int rows = grid_review->rowCount();
        results->setTabText(1, rows > 0 ? QStringLiteral("Rows to Re&view (%1)").arg(rows)
                                        : QStringLiteral("Rows to Re&view"));
    }
}

bool FormImportTable::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_review && event->type() == QEvent::FocusIn &&
        !grid_review->currentIndex().isValid() && grid_review->rowCount() > 0) {
        // On the row's label: a current cell holding the choice would take the keyboard itself.
        grid_review->setCurrentCell(0, 0);
    }
    if (watched == grid_review && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool opens = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                           key->key() == Qt::Key_Space || key->key() == Qt::Key_F2 ||
                           (key->key() == Qt::Key_Down && key->modifiers() == Qt::AltModifier);
        const int row = grid_review->currentRow();
        if (opens && row >= 0 && row < static_cast<int>(m_rowChoices.size())) {
            QComboBox* choice = m_rowChoices[static_cast<std::size_t>(row)];
            choice->setFocus(Qt::OtherFocusReason);
            choice->showPopup();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FormImportTable::showReport(const TableImportReport& report, bool dryRun) {
    QStringList lines;
    lines << (dryRun ? QStringLiteral("Dry run: nothing was written.")
                     : QStringLiteral("Imported into season %1.").arg(report.season));
    lines << countLine("Matched", report.matched, {});
    lines << countLine("New", report.created, report.createdNames);
    lines << countLine("Ambiguous (skipped)", report.ambiguous, report.ambiguousNames);
    lines << countLine("Skipped", report.skipped, report.skippedCounts);
    if (!report.skippedRows.empty()) {
        lines << countLine("Not read", static_cast<long long>(report.skippedRows.size()),
                           report.skippedRows);
    }
    if (report.manyNew) {
        lines << QStringLiteral(
            "Most rows match nobody: the name column or the season may be "
            "wrong.");
    }
    if (!report.notes.empty()) {
        lines << countLine("Notes", static_cast<long long>(report.notes.size()), report.notes);
    }
    txt_report->setPlainText(lines.join('\n'));
}

}  // namespace quorvane::gui
