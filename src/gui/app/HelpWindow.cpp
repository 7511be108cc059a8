// SPDX-License-Identifier: MIT
#include "gui/app/HelpWindow.h"

#include <QVBoxLayout>

#include "gui/widgets/WebPane.h"

namespace quorvane::gui {

HelpWindow::HelpWindow(ProgramState& state, QWidget* parent)
    : QDialog(parent), m_pane(new WebPane(state, this)) {
    setObjectName(QStringLiteral("form_help"));
    setWindowTitle(tr("Help"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pane);
    resize(640, 600);
}

void HelpWindow::showHelp(HelpPage page) {
    m_pane->showHelp(page);
    show();
    raise();
    activateWindow();
}

}  // namespace quorvane::gui
