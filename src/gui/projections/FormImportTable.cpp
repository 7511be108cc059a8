// SPDX-License-Identifier: MIT
#include "gui/projections/FormImportTable.h"
#include "gui/widgets/NamedWidget.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/ProgramState.h"
#include "gui/projections/ImportProgressDialogs.h"

namespace quorvane::gui {

namespace {

// Enough rows to recognise the layout without filling the window.
constexpr int kPreviewRows = 8;

QString text(std::string_view value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
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
    txt_file->setPlaceholderText("Choose a CSV, TSV or semicolon-separated projection table");
    cmd_browse = makeNamed<QPushButton>("cmd_browse", "Choose File...", this);
    auto* fileRow = new QHBoxLayout();
    fileRow->addWidget(new QLabel("Table:", this));
    fileRow->addWidget(txt_file, 1);
    fileRow->addWidget(cmd_browse);

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

    cmd_dryrun = makeNamed<QPushButton>("cmd_dryrun", "Dry Run", this);
    cmd_import = makeNamed<QPushButton>("cmd_import", "Import", this);
    cmd_close = makeNamed<QPushButton>("cmd_close", "Close", this);
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

    auto* lower = new QHBoxLayout();
    lower->addLayout(choices);
    lower->addWidget(txt_report, 1);
    lower->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addWidget(new QLabel("First rows, with the field each column is read as:", this));
    layout->addWidget(grid_preview, 3);
    layout->addLayout(lower, 2);
    layout->addWidget(prg_import);

    connect(cmd_browse, &QPushButton::clicked, this, &FormImportTable::chooseFile);
    connect(cmd_dryrun, &QPushButton::clicked, this, [this] { runImport(true); });
    connect(cmd_import, &QPushButton::clicked, this, [this] { runImport(false); });
    connect(cmd_close, &QPushButton::clicked, this, &QDialog::accept);
}

void FormImportTable::chooseFile() {
    const QString path =
        QFileDialog::getOpenFileName(this, "Choose Projection Table", QDir::homePath(),
                                     "Tables (*.csv *.tsv *.txt);;All files (*)");
    if (!path.isEmpty()) {
        loadTable(path);
    }
}

bool FormImportTable::loadTable(const QString& path) {
    m_table = readProjectionTableFile(m_state, m_dialogs, path.toStdString());
    if (!m_table) {
        return false;
    }
    m_path = path;
    txt_file->setText(path);
    txt_source->setText(QFileInfo(path).completeBaseName());
    const TableLayout layout = mapTableColumns(*m_table, {});
    cmb_figures->setCurrentIndex(layout.perGame ? 0 : 1);
    showPreview(layout);
    txt_report->clear();
    prg_import->setValue(0);
    cmd_dryrun->setEnabled(true);
    cmd_import->setEnabled(true);
    return true;
}

void FormImportTable::showPreview(const TableLayout& layout) {
    const int columns = static_cast<int>(layout.columns.size());
    const int records = static_cast<int>(m_table->records.size());
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
        grid_preview->setCellWidget(0, c, choice);
        m_fieldChoices.push_back(choice);
    }
    grid_preview->setHorizontalHeaderLabels(headings);
    grid_preview->setVerticalHeaderItem(0, new QTableWidgetItem("field"));
    for (int r = 1; r <= shown; ++r) {
        const TableRecord& record = m_table->records[static_cast<std::size_t>(r)];
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
    for (std::size_t c = 0; c < m_fieldChoices.size(); ++c) {
        options.mappings.emplace_back(
            grid_preview->horizontalHeaderItem(static_cast<int>(c))->text().toStdString(),
            static_cast<TableField>(m_fieldChoices[c]->currentData().toInt()));
    }
    return options;
}

std::optional<TableImportReport> FormImportTable::runImport(bool dryRun) {
    if (!m_table) {
        return std::nullopt;
    }
    ImportProgressDialogs progress(m_dialogs,
                                   [this](const QString&, long long done, long long total) {
                                       prg_import->setRange(0, static_cast<int>(total));
                                       prg_import->setValue(static_cast<int>(done));
                                   });
    cmd_dryrun->setEnabled(false);
    cmd_import->setEnabled(false);
    const auto report = importProjectionTable(m_state, progress, *m_table, m_path.toStdString(),
                                              chosenOptions(dryRun));
    cmd_dryrun->setEnabled(true);
    cmd_import->setEnabled(true);
    if (report) {
        showReport(*report, dryRun);
        if (!dryRun) {
            emit refreshRequested();
        }
    }
    return report;
}

void FormImportTable::showReport(const TableImportReport& report, bool dryRun) {
    QStringList lines;
    lines << (dryRun ? QStringLiteral("Dry run: nothing was written.")
                     : QStringLiteral("Imported into season %1.").arg(report.season));
    lines << countLine("Matched", report.matched, {});
    lines << countLine("New", report.created, report.createdNames);
    lines << countLine("Ambiguous (skipped)", report.ambiguous, report.ambiguousNames);
    lines << countLine("Skipped", report.skipped, {});
    if (!report.notes.empty()) {
        lines << countLine("Notes", static_cast<long long>(report.notes.size()), report.notes);
    }
    txt_report->setPlainText(lines.join('\n'));
}

}  // namespace quorvane::gui
