// SPDX-License-Identifier: MIT
#include "gui/app/FormAboutUs.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Version.h"
#include "session/ProgramState.h"

namespace quorvane::gui {

FormAboutUs::FormAboutUs(const ProgramState& state, QWidget* parent) : QDialog(parent) {
    const QString product =
        QString::fromUtf8(kProductName.data(), static_cast<qsizetype>(kProductName.size()));
    setObjectName(QStringLiteral("form_aboutus"));
    setWindowTitle(QStringLiteral("About %1 Sofware").arg(product));

    auto* about = new QLabel(this);
    about->setObjectName(QStringLiteral("lbl_about"));
    about->setAlignment(Qt::AlignCenter);
    about->setText(QStringLiteral("%1 Fantasy Basketball Draft Software %2\n\nVersion %3")
                       .arg(product)
                       .arg(state.projectionYear)
                       .arg(QString::fromStdString(state.appVersion)));

    auto* close = new QPushButton(QStringLiteral("Close Window"), this);
    close->setObjectName(QStringLiteral("cmd_exit"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 16);
    layout->setSpacing(16);
    layout->addWidget(about);
    layout->addWidget(close, 0, Qt::AlignHCenter);
}

}  // namespace quorvane::gui
