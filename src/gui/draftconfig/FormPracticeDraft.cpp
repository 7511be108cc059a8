// SPDX-License-Identifier: MIT
#include "gui/draftconfig/FormPracticeDraft.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

#include "app/ProgramState.h"
#include "app/UserDialogs.h"
#include "gui/widgets/NamedWidget.h"
#include "store/CheckedNumber.h"

namespace quorvane::gui {

namespace {

constexpr std::array<std::pair<const char*, int>, 3> kPaces = {
    {{"Instant", 0}, {"1 s a pick", 1000}, {"3 s a pick", 3000}}};

}  // namespace

FormPracticeDraft::FormPracticeDraft(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs) {
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
    opt_from_start =
        makeNamed<QRadioButton>("opt_from_start", QStringLiteral("From the start"), this);
    opt_from_now = makeNamed<QRadioButton>("opt_from_now", QStringLiteral("From now"), this);
    opt_from_start->setChecked(true);
    cmd_start = makeNamed<QPushButton>("cmd_start", QStringLiteral("Start"), this);
    cmd_cancel = makeNamed<QPushButton>("cmd_cancel", QStringLiteral("Cancel"), this);
    cmd_start->setDefault(true);
    connect(cmd_start, &QPushButton::clicked, this, &FormPracticeDraft::start);
    connect(cmd_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Seed:"), txt_seed);
    form->addRow(QStringLiteral("Other teams pick:"), cmb_pace);
    auto* from = new QHBoxLayout;
    from->addWidget(opt_from_start);
    from->addWidget(opt_from_now);
    form->addRow(QStringLiteral("Draft:"), from);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmd_start);
    buttons->addWidget(cmd_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void FormPracticeDraft::start() {
    if (!m_state.draftSettings) {
        reject();
        return;
    }
    PracticeStart chosen;
    chosen.choice.sourceId = m_state.draftSettings->template_id;
    chosen.choice.fromNow = opt_from_now->isChecked();
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
