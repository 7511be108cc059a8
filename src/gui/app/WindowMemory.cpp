// SPDX-License-Identifier: MIT
#include "gui/app/WindowMemory.h"

#include <QCryptographicHash>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QScreen>
#include <QTableView>

#include "room/PlayerListView.h"
#include "session/ProgramState.h"

namespace quorvane::gui {

namespace {

QString widthKey(const QTableView& view, int column) {
    return QStringLiteral("columns/%1/%2")
        .arg(view.objectName(),
             view.model()->headerData(column, Qt::Horizontal).toString().toHtmlEscaped());
}

// Draft ids start again in every database, so the database's own path is part of the key.
QString draftKey(const ProgramState& state, int templateId, const char* name) {
    const QByteArray database =
        QCryptographicHash::hash(QByteArray::fromStdString(state.connectionString),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QStringLiteral("drafts/%1-%2/%3")
        .arg(QString::fromLatin1(database))
        .arg(templateId)
        .arg(QLatin1String(name));
}

}  // namespace

QSettings userSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorvane"),
                     QStringLiteral("Basketball Draft"));
}

void restoreWindowPlace(QMainWindow& window) {
    const QSettings settings = userSettings();
    const QByteArray saved = settings.value(QStringLiteral("window/geometry")).toByteArray();
    const QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
    if (saved.isEmpty() || !window.restoreGeometry(saved)) {
        if (available.isValid()) {
            window.resize(std::min(1280, available.width() * 19 / 20),
                          std::min(860, available.height() * 19 / 20));
            QRect frame = window.frameGeometry();
            frame.moveCenter(available.center());
            window.move(frame.topLeft());
        }
        return;
    }
    if (!available.isValid()) {
        return;
    }
    // The frame may hold a title bar the geometry does not: keep the whole frame on screen.
    const QRect frame = window.frameGeometry();
    const int extraWidth = frame.width() - window.width();
    const int extraHeight = frame.height() - window.height();
    const int width = std::min(window.width(), available.width() - extraWidth);
    const int height = std::min(window.height(), available.height() - extraHeight);
    window.resize(std::max(width, window.minimumWidth()), std::max(height, window.minimumHeight()));
    const int left = std::clamp(frame.left(), available.left(),
                                std::max(available.left(), available.right() - width - extraWidth));
    const int top =
        std::clamp(frame.top(), available.top(),
                   std::max(available.top(), available.bottom() - height - extraHeight));
    window.move(left, top);
}

void saveWindowPlace(const QMainWindow& window) {
    QSettings settings = userSettings();
    settings.setValue(QStringLiteral("window/geometry"), window.saveGeometry());
}

void applyRememberedWidths(QTableView& view) {
    if (view.model() == nullptr) {
        return;
    }
    const QSettings settings = userSettings();
    view.setProperty(kFittingColumns, true);
    for (int column = 0; column < view.model()->columnCount(); ++column) {
        const int width = settings.value(widthKey(view, column), 0).toInt();
        if (width > 0 && !view.isColumnHidden(column)) {
            view.setColumnWidth(column, width);
        }
    }
    view.setProperty(kFittingColumns, false);
}

void rememberColumnWidths(QTableView& view) {
    if (view.property("quorvaneRemembers").toBool()) {
        return;
    }
    view.setProperty("quorvaneRemembers", true);
    QObject::connect(
        view.horizontalHeader(), &QHeaderView::sectionResized, &view,
        [&view](int column, int, int width) {
            if (view.property(kFittingColumns).toBool() || width <= 0 || view.model() == nullptr) {
                return;
            }
            QSettings settings = userSettings();
            settings.setValue(widthKey(view, column), width);
        });
}

void loadDraftView(ProgramState& state, PlayerListView& list, int templateId) {
    const QSettings settings = userSettings();
    list.positionFilter =
        settings.value(draftKey(state, templateId, "positionFilter"), QStringLiteral("All Players"))
            .toString()
            .toStdString();
    list.sortColumn = settings.value(draftKey(state, templateId, "sortColumn"), 0).toInt();
    state.statsMode =
        settings.value(draftKey(state, templateId, "statsMode"), 0).toInt() == 1 ? 1 : 0;
}

void saveDraftView(const ProgramState& state, const PlayerListView& list, int templateId) {
    QSettings settings = userSettings();
    settings.setValue(draftKey(state, templateId, "positionFilter"),
                      QString::fromStdString(list.positionFilter));
    settings.setValue(draftKey(state, templateId, "sortColumn"), list.sortColumn);
    settings.setValue(draftKey(state, templateId, "statsMode"), state.statsMode);
}

}  // namespace quorvane::gui
