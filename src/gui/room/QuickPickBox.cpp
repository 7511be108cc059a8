// SPDX-License-Identifier: MIT
#include "gui/room/QuickPickBox.h"
#include "gui/widgets/NamedWidget.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include "session/ProgramState.h"

namespace quorvane::gui {

namespace {
constexpr std::size_t kOffered = 12;
}

QuickPickBox::QuickPickBox(ProgramState& state, QWidget* parent) : QWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("QuickPickBox"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    txt_quickpick = makeNamed<QLineEdit>("txt_quickpick", this);
    txt_quickpick->setPlaceholderText(tr("Quick pick (Ctrl+K or /)"));
    txt_quickpick->setClearButtonEnabled(true);
    txt_quickpick->setMinimumWidth(160);
    txt_quickpick->installEventFilter(this);
    layout->addWidget(txt_quickpick);
    connect(txt_quickpick, &QLineEdit::textEdited, this, &QuickPickBox::showMatches);
    connect(txt_quickpick, &QLineEdit::returnPressed, this, [this] {
        choose(lst_quickpick != nullptr && lst_quickpick->currentRow() >= 0
                   ? lst_quickpick->currentRow()
                   : 0);
    });
}

void QuickPickBox::reload() {
    if (auto entries = loadQuickPicks(m_state)) {
        m_entries = std::move(*entries);
    }
    if (!txt_quickpick->text().isEmpty()) {
        showMatches(txt_quickpick->text());
    }
}

void QuickPickBox::focusBox() {
    txt_quickpick->setFocus(Qt::ShortcutFocusReason);
    txt_quickpick->selectAll();
}

void QuickPickBox::clearBox() {
    txt_quickpick->setText(QString());
    showMatches(QString());
}

void QuickPickBox::showMatches(const QString& typed) {
    m_offered.clear();
    if (lst_quickpick == nullptr) {
        // The list floats over the window's other controls, so the window owns it.
        lst_quickpick = makeNamed<QListWidget>("lst_quickpick", window());
        lst_quickpick->setFocusPolicy(Qt::NoFocus);
        lst_quickpick->setFrameShape(QFrame::Box);
        connect(lst_quickpick, &QListWidget::itemClicked, this,
                [this](QListWidgetItem* item) { choose(lst_quickpick->row(item)); });
    }
    lst_quickpick->clear();
    const bool auction =
        m_state.draftSettings() && m_state.draftSettings()->drafttype == kDraftTypeAuction;
    for (const std::size_t index :
         rankQuickPicks(m_entries, typed.toStdString(), auction, kOffered)) {
        m_offered.push_back(m_entries[index].playerid);
        lst_quickpick->addItem(QString::fromStdString(m_entries[index].label));
    }
    if (m_offered.empty()) {
        lst_quickpick->hide();
        return;
    }
    lst_quickpick->setCurrentRow(0);
    placeList();
    lst_quickpick->show();
    lst_quickpick->raise();
}

void QuickPickBox::placeList() {
    QWidget* host = lst_quickpick->parentWidget();
    const QPoint below = txt_quickpick->mapTo(host, QPoint(0, txt_quickpick->height()));
    const int rowHeight = lst_quickpick->sizeHintForRow(0) > 0 ? lst_quickpick->sizeHintForRow(0)
                                                               : fontMetrics().height() + 4;
    const int width = std::max(txt_quickpick->width(), 380);
    const int left = std::max(0, std::min(below.x(), host->width() - width));
    lst_quickpick->setGeometry(left, below.y(), width,
                               rowHeight * static_cast<int>(m_offered.size()) + 4);
}

void QuickPickBox::choose(int row) {
    if (row < 0 || row >= static_cast<int>(m_offered.size())) {
        return;
    }
    const int playerId = m_offered[static_cast<std::size_t>(row)];
    if (lst_quickpick != nullptr) {
        lst_quickpick->hide();
    }
    emit playerChosen(playerId);
}

bool QuickPickBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txt_quickpick && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool listed = lst_quickpick != nullptr && lst_quickpick->isVisible();
        // Escape gives up whatever the box holds, a name that matches nobody included.
        if (key == Qt::Key_Escape && (listed || !txt_quickpick->text().isEmpty())) {
            clearBox();
            return true;
        }
        if (listed && (key == Qt::Key_Down || key == Qt::Key_Up)) {
            const int rows = lst_quickpick->count();
            const int step = key == Qt::Key_Down ? 1 : -1;
            lst_quickpick->setCurrentRow((lst_quickpick->currentRow() + step + rows) % rows);
            return true;
        }
    }
    if (watched == txt_quickpick && event->type() == QEvent::FocusOut && lst_quickpick != nullptr) {
        lst_quickpick->hide();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace quorvane::gui
