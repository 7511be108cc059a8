// SPDX-License-Identifier: MIT
#include "gui/projections/FormProjDone.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvane::gui {

FormProjDone::FormProjDone(ProgramState&, UserDialogs&, QWidget* parent) : QDialog(parent) {
    setObjectName("form_proj_done");
    setWindowTitle("Projection Update Complete!");
    auto* layout = new QVBoxLayout(this);
    auto* message = new QLabel("Projection Update Complete!", this);
    message->setObjectName("lbl_message");
    layout->addWidget(message);
    cmd_ok = new QPushButton("OK", this);
    cmd_ok->setObjectName("cmd_ok");
    cmd_ok->setDefault(true);
    layout->addWidget(cmd_ok, 0, Qt::AlignHCenter);
    connect(cmd_ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace quorvane::gui
