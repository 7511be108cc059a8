// SPDX-License-Identifier: MIT
#include "gui/room/DraftBoardPage.h"
#include "gui/widgets/NamedWidget.h"

#include <QFileDialog>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/models/GridTableModel.h"
#include "gui/widgets/ElidingDelegate.h"
#include "gui/widgets/SaveChosenFile.h"
#include "session/ProgramState.h"
#include "session/ShowMessage.h"
#include "session/UserDialogs.h"

namespace quorvane::gui {

// The board's look over the plain grid: colours and fonts that belong to single cells.
class BoardCellModel final : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;

    void setBoard(const DraftBoard* board, bool presentation) {
        m_board = board;
        m_presentation = presentation;
        if (rowCount() > 0 && columnCount() > 0) {
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        }
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (m_board == nullptr || !index.isValid()) {
            return QIdentityProxyModel::data(index, role);
        }
        const BoardCell cell{index.row(), index.column()};
        const bool current = m_board->current && *m_board->current == cell;
        const bool keeper = std::find(m_board->keepers.begin(), m_board->keepers.end(), cell) !=
                            m_board->keepers.end();
        if (role == Qt::BackgroundRole) {
            if (current) {
                return QColor(255, 214, 0);
            }
            if (index.column() == m_board->mineColumn) {
                return QColor(214, 234, 255);
            }
            return {};
        }
        if (role == Qt::ForegroundRole && (current || index.column() == m_board->mineColumn)) {
            return QColor(Qt::black);
        }
        if (role == Qt::ForegroundRole &&
            std::find(m_board->skipped.begin(), m_board->skipped.end(), cell) !=
                m_board->skipped.end()) {
            return QColor(Qt::gray);
        }
        if (role == Qt::FontRole && (keeper || current || index.column() == 0)) {
            QFont font;
            font.setItalic(keeper);
            font.setBold(current || index.column() == 0);
            if (m_presentation) {
                font.setPointSizeF(font.pointSizeF() * 1.6);
            }
            return font;
        }
        if (role == Qt::DisplayRole && index.column() > 0) {
            // The name on one line, position and value or price on the next.
            QString text = QIdentityProxyModel::data(index, role).toString();
            const qsizetype split = text.indexOf(QStringLiteral(" ("));
            const qsizetype price = text.lastIndexOf(QStringLiteral(" $"));
            if (split > 0) {
                text[split] = QLatin1Char('\n');
            } else if (price > 0) {
                text[price] = QLatin1Char('\n');
            }
            return text;
        }
        if (role == Qt::ToolTipRole && index.column() > 0) {
            // A narrow window cuts long names; the whole cell is a hover away.
            return QIdentityProxyModel::data(index, Qt::DisplayRole);
        }
        if (role == Qt::TextAlignmentRole) {
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        }
        return QIdentityProxyModel::data(index, role);
    }

    // The first column (round or slot) is the row's heading, so that it stays in sight while
    // the teams scroll by.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Vertical && role == Qt::DisplayRole && sourceModel() != nullptr) {
            return sourceModel()->index(section, 0).data(Qt::DisplayRole);
        }
        if (orientation == Qt::Vertical && role == Qt::TextAlignmentRole) {
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        }
        return QIdentityProxyModel::headerData(section, orientation, role);
    }

  private:
    const DraftBoard* m_board = nullptr;
    bool m_presentation = false;
};

DraftBoardPage::DraftBoardPage(const ProgramStore& store, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      m_store(store),
      m_dialogs(dialogs),
      m_table(new GridTableModel(this)),
      m_cells(new BoardCellModel(this)) {
    setObjectName(QStringLiteral("DraftBoardPage"));
    m_cells->setSourceModel(m_table);
    dg_board = makeNamed<QTableView>("dg_board", this);
    dg_board->setModel(m_cells);
    dg_board->setSelectionMode(QAbstractItemView::NoSelection);
    dg_board->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A cell is a name over its position and value, each line shortened to fit, never wrapped.
    dg_board->setWordWrap(false);
    dg_board->setTextElideMode(Qt::ElideMiddle);
    dg_board->setItemDelegate(new ElidingDelegate(dg_board));
    dg_board->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    dg_board->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    dg_board->verticalHeader()->setHighlightSections(false);
    dg_board->horizontalHeader()->setHighlightSections(false);

    cmd_presentation = makeNamed<QPushButton>("cmd_presentation", tr("Presentation"), this);
    cmd_presentation->setCheckable(true);
    cmd_presentation->setToolTip(tr("Larger print for a board read from across the room"));
    cmd_board_png = makeNamed<QPushButton>("cmd_board_png", tr("Save as PNG..."), this);
    cmd_board_csv = makeNamed<QPushButton>("cmd_board_csv", tr("Save as CSV..."), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmd_presentation);
    buttons->addStretch(1);
    buttons->addWidget(cmd_board_png);
    buttons->addWidget(cmd_board_csv);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(dg_board, 1);

    connect(cmd_presentation, &QPushButton::toggled, this, &DraftBoardPage::setPresentation);
    connect(cmd_board_png, &QPushButton::clicked, this, [this] { chooseAndExport(true); });
    connect(cmd_board_csv, &QPushButton::clicked, this, [this] { chooseAndExport(false); });
}

void DraftBoardPage::showBoard(const DraftBoard& board) {
    const bool sameColumns = m_board.table.headings == board.table.headings &&
                             m_board.table.rows.size() == board.table.rows.size();
    m_board = board;
    m_table->setTable(m_board.table);
    m_cells->setBoard(&m_board, m_presentation);
    if (!sameColumns) {
        fitCells();
    }
    // A hidden board has no widths yet to scroll by.
    if (m_board.current && dg_board->isVisible()) {
        dg_board->scrollTo(m_cells->index(m_board.current->row, m_board.current->column));
    }
}

void DraftBoardPage::setPresentation(bool on) {
    m_presentation = on;
    cmd_presentation->setChecked(on);
    QFont font = this->font();
    if (on) {
        font.setPointSizeF(font.pointSizeF() * 1.6);
    }
    dg_board->setFont(font);
    dg_board->horizontalHeader()->setFont(font);
    m_cells->setBoard(&m_board, m_presentation);
    fitCells();
}

// Each team keeps a column wide enough for a name on one line and its position and value on
// the next; a league of more teams than the window holds scrolls sideways under fixed team
// headings, the rounds fixed on the left.
void DraftBoardPage::fitCells() {
    QHeaderView* header = dg_board->horizontalHeader();
    const QFontMetrics metrics = dg_board->fontMetrics();
    const int least = metrics.averageCharWidth() * 17;
    header->setMinimumSectionSize(metrics.averageCharWidth() * 6);
    dg_board->setColumnHidden(0, m_cells->columnCount() > 0);
    for (int column = 1; column < m_cells->columnCount(); ++column) {
        const QString heading =
            m_cells->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        header->setSectionResizeMode(column, QHeaderView::Interactive);
        header->resizeSection(column, std::max(least, metrics.horizontalAdvance(heading) + 16));
    }
    header->setStretchLastSection(false);
    dg_board->verticalHeader()->setDefaultSectionSize(2 * metrics.lineSpacing() + 8);
}

bool DraftBoardPage::exportPng(const QString& path) {
    // A view of the same board, as large as all its cells, paints the whole of it.
    QTableView whole;
    whole.setModel(m_cells);
    whole.setFont(dg_board->font());
    whole.horizontalHeader()->setFont(dg_board->font());
    whole.verticalHeader()->setFont(dg_board->font());
    whole.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    whole.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    whole.verticalHeader()->setDefaultSectionSize(dg_board->verticalHeader()->defaultSectionSize());
    whole.setWordWrap(true);
    whole.setColumnHidden(0, true);
    int width = 2 * whole.frameWidth() + whole.verticalHeader()->sizeHint().width();
    for (int column = 1; column < m_cells->columnCount(); ++column) {
        whole.setColumnWidth(column, dg_board->columnWidth(column));
        width += dg_board->columnWidth(column);
    }
    const int height = 2 * whole.frameWidth() + whole.horizontalHeader()->sizeHint().height() +
                       m_cells->rowCount() * whole.verticalHeader()->defaultSectionSize();
    whole.resize(width, height);
    const QByteArray picture = pngBytes(whole.grab());
    if (picture.isEmpty()) {
        m_dialogs.showMessage("Export", "Could not write " + path.toStdString(),
                              MessageIcon::Exclamation);
        return false;
    }
    return saveChosenFile(desktopOwnFiles(m_store), m_dialogs, "Export", path, picture, ".png");
}

bool DraftBoardPage::exportCsv(const QString& path) {
    const OwnFiles own = desktopOwnFiles(m_store);
    FileTarget target{path.toStdString(), false, {}};
    if (checkFileTarget(target, own).problem == FileWriteProblem::Exists) {
        if (!m_dialogs.askYesNo("Export", replaceFileQuestion(target.path))) {
            return false;
        }
        target.replace = true;
    }
    if (const std::optional<Message> problem = saveDraftBoardCsv(m_board, target, own)) {
        showMessage(m_dialogs, *problem);
        return false;
    }
    return true;
}

void DraftBoardPage::chooseAndExport(bool png) {
    const QString path = QFileDialog::getSaveFileName(
        this, png ? tr("Save Board as PNG") : tr("Save Board as CSV"), QString(),
        png ? tr("PNG pictures (*.png)") : tr("CSV files (*.csv)"), nullptr,
        QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty()) {
        return;
    }
    if (png) {
        exportPng(path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)
                      ? path
                      : path + QStringLiteral(".png"));
    } else {
        exportCsv(path);
    }
}

}  // namespace quorvane::gui
