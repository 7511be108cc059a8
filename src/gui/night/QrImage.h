// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

namespace quorvane::gui {

// The text as a QR code a phone's camera reads from across a table: black modules on white with
// the quiet zone around them, `module` pixels each. A null image when the text does not fit.
QImage qrImage(const QString& text, int module = 5);

}  // namespace quorvane::gui
