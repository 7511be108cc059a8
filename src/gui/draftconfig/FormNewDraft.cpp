// SPDX-License-Identifier: MIT
#include "gui/draftconfig/FormNewDraft.h"
#include "gui/widgets/NamedWidget.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <initializer_list>

#include "draftconfig/NewDraft.h"
#include "gui/app/MainWindowView.h"
#include "gui/draftconfig/FormSetup.h"
#include "session/DraftConversation.h"
#include "session/ProgramState.h"

namespace quorvane::gui {

namespace {

QRadioButton* optionButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QRadioButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// The buttons of one choice, in a frame of their own.
QGroupBox* choiceFrame(const char* name, const char* caption,
                       std::initializer_list<QRadioButton*> buttons, QWidget* parent) {
    auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
    frame->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(frame);
    auto* group = new QButtonGroup(frame);
    for (QRadioButton* button : buttons) {
        button->setParent(frame);
        layout->addWidget(button);
        group->addButton(button);
    }
    return frame;
}

}  // namespace

FormNewDraft::FormNewDraft(ProgramState& state, UserDialogs& dialogs, MainWindowView& main,
                           QWidget* parent)
    : DraftChoiceDialog(state, dialogs, {"Command1", "Save", "Command2"}, parent), m_main(main) {
    setObjectName(QStringLiteral("form_newdraft"));
    setWindowTitle(QStringLiteral("Draft Name"));

    m_name = makeNamed<QLineEdit>("Text1", this);
    m_name->setMinimumWidth(240);
    auto* nameLabel = new QLabel(QStringLiteral("Draft Name:"), this);
    nameLabel->setObjectName(QStringLiteral("Label1"));
    nameLabel->setBuddy(m_name);

    m_teams = makeNamed<QComboBox>("list1", this);
    for (int teams = 1; teams <= kMaxTeams; ++teams) {
        m_teams->addItem(QString::number(teams));
    }
    m_teams->setCurrentIndex(11);
    auto* teamsLabel = new QLabel(QStringLiteral("Number of teams:"), this);
    teamsLabel->setObjectName(QStringLiteral("Label2"));
    teamsLabel->setBuddy(m_teams);

    m_auction = optionButton("Option1", "Auction", this);
    m_draft = optionButton("Option2", "Draft", this);
    m_points = optionButton("opt_points", "Points", this);
    m_rotisserie = optionButton("opt_rotisserie", "Rotisserie", this);
    m_headToHead = optionButton("opt_headtohead", "Head-to-Head Categories", this);
    m_headToHead->setToolTip(
        QStringLiteral("The rotisserie categories played week by week against one opponent; "
                       "choose Each Category or Most Categories in the setup that follows"));

    auto* fields = new QFormLayout;
    fields->addRow(nameLabel, m_name);
    fields->addRow(teamsLabel, m_teams);

    auto* styles = new QHBoxLayout;
    styles->addWidget(choiceFrame("Frame1", "Draft Style", {m_auction, m_draft}, this));
    styles->addWidget(choiceFrame("frm_leaguestyle", "League Style",
                                  {m_points, m_rotisserie, m_headToHead}, this));
    // Checked once each choice has its own group: until then the buttons share one parent.
    m_draft->setChecked(true);
    m_points->setChecked(true);

    layOut({fields, styles});
    // At start-up the user has to create a draft.
    m_cancel->setVisible(m_state.draftLoaded);
    connect(m_accept, &QPushButton::clicked, this, &FormNewDraft::save);
}

void FormNewDraft::save() {
    const NewDraftChoice choice{m_name->text().toStdString(), m_teams->currentIndex(),
                                m_auction->isChecked(), m_rotisserie->isChecked(),
                                m_headToHead->isChecked()};
    if (!createDraft(m_state, m_dialogs, choice)) {
        return;
    }
    m_main.refreshMain();

    FormSetup setup(m_state, m_dialogs, m_main, this);
    setup.showTab(SetupTab::League);
    setup.exec();
    accept();
}

}  // namespace quorvane::gui
