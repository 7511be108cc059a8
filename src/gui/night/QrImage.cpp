// SPDX-License-Identifier: MIT
#include "gui/night/QrImage.h"

#include <qrencode.h>

#include <QPainter>

namespace quorvane::gui {

namespace {

constexpr int kQuietModules = 4;

}  // namespace

QImage qrImage(const QString& text, int module) {
    const QByteArray bytes = text.toUtf8();
    QRcode* code = QRcode_encodeString(bytes.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (code == nullptr) {
        return {};
    }
    const int side = (code->width + 2 * kQuietModules) * module;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            if ((code->data[y * code->width + x] & 1) != 0) {
                painter.fillRect((x + kQuietModules) * module, (y + kQuietModules) * module, module,
                                 module, Qt::black);
            }
        }
    }
    QRcode_free(code);
    return image;
}

}  // namespace quorvane::gui
