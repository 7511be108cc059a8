// SPDX-License-Identifier: MIT
#include "gui/night/FormHostNight.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/night/QrImage.h"
#include "night/NightHost.h"
#include "night/NightPages.h"
#include "night/NightServer.h"
#include "session/ProgramState.h"

namespace quorvane::gui {

namespace {

QSpinBox* secondsBox(int lowest, int highest, int value, const char* name) {
    auto* box = new QSpinBox;
    box->setRange(lowest, highest);
    box->setValue(value);
    box->setSuffix(QStringLiteral(" s"));
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// The board's address with the port the server took, for the address chosen.
QString boardAddressOf(const std::vector<std::string>& addresses) {
    return addresses.empty() ? QString() : QString::fromStdString(addresses.front());
}

}  // namespace

FormHostNight::FormHostNight(ProgramState& state, QWidget* parent)
    : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("form_host_night"));
    setWindowTitle(QStringLiteral("Host Draft Night"));
    auto* layout = new QVBoxLayout(this);

    auto* settings = new QFormLayout;
    m_address = new QComboBox;
    m_address->setObjectName(QStringLiteral("cbo_address"));
    m_address->setEditable(true);
    for (const std::string& address : localNetworkAddresses()) {
        m_address->addItem(QString::fromStdString(address));
    }
    // Without a local network the host can still be tried on this machine alone.
    m_address->addItem(QStringLiteral("127.0.0.1"));
    m_port = new QSpinBox;
    m_port->setObjectName(QStringLiteral("txt_port"));
    m_port->setRange(1, 65535);
    m_port->setValue(8080);
    m_lotSeconds = secondsBox(1, 3600, 30, "txt_lot_seconds");
    m_lateBidSeconds = secondsBox(0, 3600, 10, "txt_late_bid_seconds");
    m_pickSeconds = secondsBox(0, 86400, 90, "txt_pick_seconds");
    settings->addRow(QStringLiteral("&Address"), m_address);
    settings->addRow(QStringLiteral("&Port"), m_port);
    settings->addRow(QStringLiteral("&Lot clock"), m_lotSeconds);
    settings->addRow(QStringLiteral("Late &bid clock"), m_lateBidSeconds);
    settings->addRow(QStringLiteral("Pic&k clock (0: none)"), m_pickSeconds);
    layout->addLayout(settings);

    auto* note = new QLabel(QStringLiteral(
        "Plain HTTP on the local network: anyone on this network who has a team's code can act "
        "for that team. Give each owner only his own code."));
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* buttons = new QHBoxLayout;
    m_start = new QPushButton(QStringLiteral("&Start Hosting"));
    m_start->setObjectName(QStringLiteral("cmd_start"));
    m_stop = new QPushButton(QStringLiteral("S&top"));
    m_stop->setObjectName(QStringLiteral("cmd_stop"));
    m_replace = new QPushButton(QStringLiteral("&Replace Codes"));
    m_replace->setObjectName(QStringLiteral("cmd_replace_codes"));
    buttons->addWidget(m_start);
    buttons->addWidget(m_stop);
    buttons->addWidget(m_replace);
    buttons->addStretch();
    layout->addLayout(buttons);

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("lbl_status"));
    m_status->setWordWrap(true);
    m_board = new QLabel;
    m_board->setObjectName(QStringLiteral("lbl_board"));
    m_board->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(m_status);
    layout->addWidget(m_board);

    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    m_cardsWidget = new QWidget;
    m_cards = new QGridLayout(m_cardsWidget);
    scroll->setWidget(m_cardsWidget);
    layout->addWidget(scroll, 1);

    connect(m_start, &QPushButton::clicked, this, &FormHostNight::startHosting);
    connect(m_stop, &QPushButton::clicked, this, &FormHostNight::stopHosting);
    connect(m_replace, &QPushButton::clicked, this, &FormHostNight::replaceCodes);
    m_stop->setEnabled(false);
    m_replace->setEnabled(false);
    resize(760, 640);
}

FormHostNight::~FormHostNight() {
    stopHosting();
}

void FormHostNight::startHosting() {
    if (m_server || !m_state.draftSettings()) {
        return;
    }
    NightHostOptions options;
    options.dataFolder = m_state.dataFolder;
    options.draft = std::to_string(m_state.draftSettings()->template_id);
    options.clocks = {m_lotSeconds->value() * 1000LL, m_lateBidSeconds->value() * 1000LL,
                      m_pickSeconds->value() * 1000LL};
    std::string reason;
    m_host = NightHost::open(options, NightServer::wallClockMs(), reason);
    if (!m_host) {
        m_status->setText(QString::fromStdString(reason));
        return;
    }
    NightServerSettings settings;
    settings.addresses = {m_address->currentText().trimmed().toStdString()};
    settings.port = m_port->value();
    settings.pagesFolder = nightPagesFolder();
    m_server = std::make_unique<NightServer>(*m_host, settings);
    if (!m_server->listen(reason)) {
        m_status->setText(QString::fromStdString(reason));
        m_server.reset();
        m_host.reset();
        return;
    }
    // Called on the server's thread: the window hears of it on its own.
    m_server->onChange([this](std::uint64_t) {
        QMetaObject::invokeMethod(this, &FormHostNight::roomChanged, Qt::QueuedConnection);
    });
    m_thread = std::thread([server = m_server.get()] { server->run(); });
    m_status->setText(QStringLiteral("Hosting %1. Open the board on the TV with the "
                                     "commissioner's code; each owner scans his team's code.")
                          .arg(QString::fromStdString(m_host->draftName())));
    m_start->setEnabled(false);
    m_stop->setEnabled(true);
    m_replace->setEnabled(true);
    showCodes();
}

void FormHostNight::stopHosting() {
    if (!m_server) {
        return;
    }
    m_server->stop();
    m_thread.join();
    m_server.reset();
    m_host.reset();
    m_status->setText(QStringLiteral("Stopped. The lot on the block is kept for the next host."));
    m_start->setEnabled(true);
    m_stop->setEnabled(false);
    m_replace->setEnabled(false);
}

void FormHostNight::replaceCodes() {
    if (!m_server) {
        return;
    }
    std::string reason;
    bool replaced = false;
    m_server->withHost([&](NightHost& host) { replaced = host.replaceCodes(reason); });
    if (!replaced) {
        m_status->setText(QString::fromStdString(reason));
    }
    showCodes();
}

void FormHostNight::showCodes() {
    while (QLayoutItem* item = m_cards->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    std::vector<NightCodeRow> codes;
    m_server->withHost([&](NightHost& host) { codes = host.codes(); });
    const QString board = boardAddressOf(m_server->boardAddresses());
    QString commissioner;
    for (const NightCodeRow& code : codes) {
        if (code.teamid == 0) {
            commissioner = QString::fromStdString(code.code);
        }
    }
    m_board->setText(
        QStringLiteral("Board: %1    Commissioner's code: %2").arg(board, commissioner));
    int card = 0;
    const auto& teams = m_state.draftSettings()->draftTeams;
    for (const DraftTeam& team : teams) {
        for (const NightCodeRow& code : codes) {
            if (code.teamid != team.teamid) {
                continue;
            }
            const QString joinLink =
                board + QStringLiteral("join#") + QString::fromStdString(code.code);
            auto* box = new QWidget;
            auto* column = new QVBoxLayout(box);
            auto* image = new QLabel;
            image->setPixmap(QPixmap::fromImage(qrImage(joinLink, 4)));
            image->setAlignment(Qt::AlignCenter);
            image->setToolTip(joinLink);
            auto* caption =
                new QLabel(QStringLiteral("<b>%1</b><br>%2")
                               .arg(QString::fromStdString(team.teamname).toHtmlEscaped(),
                                    QString::fromStdString(code.code)));
            caption->setAlignment(Qt::AlignCenter);
            caption->setTextInteractionFlags(Qt::TextSelectableByMouse);
            column->addWidget(image);
            column->addWidget(caption);
            m_cards->addWidget(box, card / 4, card % 4);
            ++card;
        }
    }
}

}  // namespace quorvane::gui
