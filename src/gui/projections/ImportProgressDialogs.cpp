// SPDX-License-Identifier: MIT
#include "gui/projections/ImportProgressDialogs.h"

#include <QCoreApplication>

namespace quorvane::gui {

ImportProgressDialogs::ImportProgressDialogs(UserDialogs& dialogs, ProgressSink sink)
    : m_dialogs(dialogs), m_sink(std::move(sink)) {}

void ImportProgressDialogs::showMessage(std::string_view title, std::string_view text,
                                        MessageIcon icon) {
    m_dialogs.showMessage(title, text, icon);
}

bool ImportProgressDialogs::askYesNo(std::string_view title, std::string_view text) {
    return m_dialogs.askYesNo(title, text);
}

void ImportProgressDialogs::setBusy(bool busy) {
    m_dialogs.setBusy(busy);
}

void ImportProgressDialogs::progress(std::string_view text, long long done, long long total) {
    m_sink(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), done, total);
    // Repaint only: a click during the import must not start a second one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace quorvane::gui
