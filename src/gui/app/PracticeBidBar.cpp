// SPDX-License-Identifier: MIT
#include "gui/app/PracticeBidBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/widgets/NamedWidget.h"

namespace quorvane::gui {

PracticeBidBar::PracticeBidBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("practice_bid"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 2, 0, 2);
    m_sale = makeNamed<QLabel>("lbl_sale", this);
    // A long name wraps rather than pushing the field out of a narrow window.
    m_sale->setWordWrap(true);
    auto* caption = new QLabel(QStringLiteral("Your &limit"), this);
    m_limit = makeNamed<QLineEdit>("txt_limit", this);
    m_limit->setPlaceholderText(QStringLiteral("$, 0 = pass"));
    m_limit->setMaximumWidth(110);
    caption->setBuddy(m_limit);
    m_bid = makeNamed<QPushButton>("cmd_bid", QStringLiteral("Bid"), this);
    row->addWidget(m_sale, 1);
    row->addWidget(caption);
    row->addWidget(m_limit);
    row->addWidget(m_bid);
    connect(m_limit, &QLineEdit::returnPressed, this,
            [this] { emit limitConfirmed(m_limit->text()); });
    connect(m_bid, &QPushButton::clicked, this, [this] { emit limitConfirmed(m_limit->text()); });
    hide();
}

void PracticeBidBar::ask(const QString& sale) {
    m_sale->setText(sale);
    m_limit->clear();
    show();
    m_limit->setFocus(Qt::OtherFocusReason);
}

}  // namespace quorvane::gui
