// SPDX-License-Identifier: MIT
#include "gui/widgets/ChartPanel.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/BarChartView.h"
#include "gui/widgets/NamedWidget.h"
#include "gui/widgets/SaveChosenFile.h"
#include "platform/SafeFileWriter.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"

namespace quorvane::gui {

ChartPanel::ChartPanel(ProgramState& state, UserDialogs& dialogs, const QString& placeholder,
                       QWidget* parent)
    : QWidget(parent),
      m_state(state),
      m_dialogs(dialogs),
      m_view(new BarChartView(this)),
      cmd_export_chart(makeNamed<QPushButton>("cmd_export_chart", tr("Export PNG..."), this)) {
    m_view->setObjectName(QStringLiteral("chart_view"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmd_export_chart);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
    connect(cmd_export_chart, &QPushButton::clicked, this, &ChartPanel::chooseExportFile);
    ChartData empty;
    empty.title = placeholder.toStdString();
    m_view->showChart(empty);
}

void ChartPanel::refresh() {
    if (!m_state.hasDraft()) {
        return;
    }
    if (const auto drawn = figures()) {
        m_view->showChart(*drawn);
    }
}

bool ChartPanel::exportTo(const QString& path) {
    const QByteArray picture = m_view->pngPicture();
    if (picture.isEmpty()) {
        m_dialogs.showMessage("Export Chart",
                              "The chart could not be saved as " + path.toStdString(),
                              MessageIcon::Exclamation);
        return false;
    }
    return saveChosenFile(desktopOwnFiles(m_state), m_dialogs, "Export Chart", path, picture,
                          ".png");
}

void ChartPanel::chooseExportFile() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export Chart"), QDir::home().filePath(objectName() + QStringLiteral(".png")),
        tr("PNG images (*.png)"), nullptr, QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty()) {
        exportTo(path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)
                     ? path
                     : path + QStringLiteral(".png"));
    }
}

}  // namespace quorvane::gui
