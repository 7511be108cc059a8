// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <memory>
#include <thread>

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSpinBox;

namespace quorvane {
class NightHost;
class NightServer;
struct ProgramState;
}  // namespace quorvane

namespace quorvane::gui {

// "Host Draft Night…": where the host listens and its clocks, start and stop, the board's
// address, the commissioner's code and a QR code per team that opens its phone page. The host
// runs on its own thread and connection; the main window sees its picks through the database
// watcher, and `roomChanged` after each change.
class FormHostNight final : public QDialog {
    Q_OBJECT
  public:
    FormHostNight(ProgramState& state, QWidget* parent = nullptr);
    ~FormHostNight() override;

  signals:
    void roomChanged();

  private:
    void startHosting();
    void stopHosting();
    void replaceCodes();
    void showCodes();

    ProgramState& m_state;
    QComboBox* m_address = nullptr;
    QSpinBox* m_port = nullptr;
    QSpinBox* m_lotSeconds = nullptr;
    QSpinBox* m_lateBidSeconds = nullptr;
    QSpinBox* m_pickSeconds = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_replace = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_board = nullptr;
    QGridLayout* m_cards = nullptr;
    QWidget* m_cardsWidget = nullptr;
    std::unique_ptr<NightHost> m_host;
    std::unique_ptr<NightServer> m_server;
    std::thread m_thread;
};

}  // namespace quorvane::gui
