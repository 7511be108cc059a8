// SPDX-License-Identifier: MIT
#include "gui/draftconfig/FormPracticeDraft.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>

#include "gui/widgets/NamedWidget.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "text/CheckedNumber.h"

namespace quorvane::gui {

namespace {

constexpr std::array<std::pair<const char*, int>, 3> kPaces = {
    {{"Instant", 0}, {"1 s a pick", 1000}, {"3 s a pick", 3000}}};

constexpr std::array<std::pair<const char*, BotMix>, 4> kBots = {
    {{"A mix of styles", BotMix::Mix},
     {"By ADP, with noise", BotMix::Adp},
     {"The best G who fits", BotMix::G},
     {"The best H-score", BotMix::H}}};

}  // namespace

FormPracticeDraft::FormPracticeDraft(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : DraftChoiceDialog(state, dialogs, {"cmd_start", "Start", "cmd_cancel"}, parent) {
    setObjectName(QStringLiteral("form_practice_draft"));
    setWindowTitle(QStringLiteral("Practice Draft"));
    txt_seed = makeNamed<QLineEdit>("txt_seed", this);
    txt_seed->setPlaceholderText(QStringLiteral("a fresh one"));
    txt_seed->setToolTip(QStringLiteral("The same seed makes the other teams draft the same way"));
    cmb_pace = makeNamed<QComboBox>("cmb_pace", this);
    for (const auto& [caption, milliseconds] : kPaces) {
        cmb_pace->addItem(QString::fromUtf8(caption), milliseconds);
    }
    cmb_pace->setCurrentIndex(1);
    cmb_bots = makeNamed<QComboBox>("cmb_bots", this);
    for (const auto& [caption, mix] : kBots) {
        cmb_bots->addItem(QString::fromUtf8(caption), static_cast<int>(mix));
    }
    cmb_bots->setToolTip(
        QStringLiteral("A mix gives each other team a style of its own, drawn from the seed"));
    opt_from_start =
        makeNamed<QRadioButton>("opt_from_start", QStringLiteral("From the start"), this);
    opt_from_now = makeNamed<QRadioButton>("opt_from_now", QStringLiteral("From now"), this);
    opt_from_start->setChecked(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Seed:"), txt_seed);
    form->addRow(QStringLiteral("Other teams draft:"), cmb_bots);
    form->addRow(QStringLiteral("Other teams pick:"), cmb_pace);
    auto* from = new QHBoxLayout;
    from->addWidget(opt_from_start);
    from->addWidget(opt_from_now);
    form->addRow(QStringLiteral("Draft:"), from);
    layOut({form});
    connect(m_accept, &QPushButton::clicked, this, &FormPracticeDraft::start);
}

void FormPracticeDraft::start() {
    if (!m_state.draftSettings()) {
        reject();
        return;
    }
    PracticeStart chosen;
    chosen.choice.sourceId = m_state.draftSettings()->template_id;
    chosen.choice.fromNow = opt_from_now->isChecked();
    chosen.choice.bots = static_cast<BotMix>(cmb_bots->currentData().toInt());
    const std::string seed = txt_seed->text().trimmed().toStdString();
    if (!seed.empty()) {
        const NumberReading reading =
            readCheckedWholeNumber(seed, kDecimalPoint, {0.0, static_cast<double>(kLargestSeed)});
        if (!reading.ok()) {
            m_dialogs.showMessage("Invalid Data", "The seed must be a whole number from 0 up.",
                                  MessageIcon::Exclamation);
            txt_seed->setFocus();
            return;
        }
        chosen.choice.seed = static_cast<std::uint64_t>(reading.value);
    }
    chosen.pace = std::chrono::milliseconds(cmb_pace->currentData().toInt());
    m_chosen = chosen;
    accept();
}

}  // namespace quorvane::gui
