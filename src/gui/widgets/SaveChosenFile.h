// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

class QPixmap;

namespace quorvane {
struct OwnFiles;
struct ProgramStore;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

// The program's own files with the desktop program's window settings added.
OwnFiles desktopOwnFiles(const ProgramStore& state);

// Writes what a window made into the file the user chose, by the rules of core's safe file
// writer; the user is asked before an existing file is replaced. False after the reason was
// shown under the title, or when the user chose not to replace the file.
bool saveChosenFile(const OwnFiles& own, UserDialogs& dialogs, std::string_view title,
                    const QString& path, const QByteArray& bytes, std::string extension = {});

// The picture as the bytes of a PNG file; empty when it cannot be encoded.
QByteArray pngBytes(const QPixmap& picture);

}  // namespace quorvane::gui
