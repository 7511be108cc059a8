// SPDX-License-Identifier: MIT
#include "gui/widgets/SaveChosenFile.h"

#include <QBuffer>
#include <QPixmap>

#include "gui/app/WindowMemory.h"
#include "platform/SafeFileWriter.h"
#include "session/UserDialogs.h"
#include "store/ProgramStore.h"

namespace quorvane::gui {

OwnFiles desktopOwnFiles(const ProgramStore& state) {
    OwnFiles own = ownFilesOf(state);
    own.paths.emplace_back(userSettings().fileName().toStdString());
    return own;
}

bool saveChosenFile(const OwnFiles& own, UserDialogs& dialogs, std::string_view title,
                    const QString& path, const QByteArray& bytes, std::string extension) {
    FileTarget target{path.toStdString(), false, std::move(extension)};
    FileWriteResult checked = checkFileTarget(target, own);
    if (checked.problem == FileWriteProblem::Exists) {
        if (!dialogs.askYesNo(title, replaceFileQuestion(target.path))) {
            return false;
        }
        target.replace = true;
        checked = {};
    }
    const FileWriteResult written =
        checked.ok() ? writeFileSafely(target, own,
                                       std::string_view(bytes.constData(),
                                                        static_cast<std::size_t>(bytes.size())))
                     : checked;
    if (!written.ok()) {
        dialogs.showMessage(title, fileProblemText(written, target), MessageIcon::Exclamation);
        return false;
    }
    return true;
}

QByteArray pngBytes(const QPixmap& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG")) {
        return {};
    }
    return bytes;
}

}  // namespace quorvane::gui
