// SPDX-License-Identifier: MIT
#include "gui/app/GuiDialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace quorvane::gui {

namespace {

QString text(std::string_view value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

class GuiDialogs::NormalPointerWhileAsking {
  public:
    explicit NormalPointerWhileAsking(bool busy) : m_busy(busy) {
        if (m_busy) {
            QApplication::setOverrideCursor(Qt::ArrowCursor);
        }
    }
    ~NormalPointerWhileAsking() {
        if (m_busy) {
            QApplication::restoreOverrideCursor();
        }
    }
    NormalPointerWhileAsking(const NormalPointerWhileAsking&) = delete;
    NormalPointerWhileAsking& operator=(const NormalPointerWhileAsking&) = delete;

  private:
    bool m_busy;
};

GuiDialogs::~GuiDialogs() {
    while (m_busyDepth > 0) {
        setBusy(false);
    }
    delete m_progress;
}

void GuiDialogs::showMessage(std::string_view title, std::string_view message, MessageIcon icon) {
    const NormalPointerWhileAsking pointer(m_busyDepth > 0);
    QMessageBox box(boxIcon(icon), text(title), text(message), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool GuiDialogs::askYesNo(std::string_view title, std::string_view question) {
    const NormalPointerWhileAsking pointer(m_busyDepth > 0);
    QMessageBox box(QMessageBox::Question, text(title), text(question),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void GuiDialogs::setBusy(bool busy) {
    // Operations nest (a refresh inside a save): only the outermost pair changes the pointer.
    if (busy) {
        if (m_busyDepth++ == 0) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        }
    } else if (m_busyDepth > 0 && --m_busyDepth == 0) {
        QApplication::restoreOverrideCursor();
    }
}

void GuiDialogs::progress(std::string_view label, long long done, long long total) {
    if (total <= 0 || done >= total) {
        if (m_progress) {
            m_progress->reset();
            m_progress->hide();
        }
        return;
    }
    if (!m_progress) {
        m_progress = new QProgressDialog(QApplication::activeWindow());
        m_progress->setWindowModality(Qt::ApplicationModal);
        m_progress->setCancelButton(nullptr);
        m_progress->setMinimumDuration(500);
        m_progress->setAutoClose(false);
        m_progress->setAutoReset(false);
    }
    // The range is kept in per mille so that totals beyond an int still fit.
    m_progress->setLabelText(text(label));
    m_progress->setRange(0, 1000);
    m_progress->setValue(static_cast<int>(done * 1000 / total));
}

}  // namespace quorvane::gui
