// SPDX-License-Identifier: MIT
#include "gui/app/FormMain.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/ProgramState.h"
#include "app/UserDialogs.h"
#include "app/Version.h"
#include "gui/app/FormAboutUs.h"
#include "gui/app/LoadedWindows.h"
#include "gui/draftconfig/FormNewDraft.h"
#include "gui/draftconfig/FormOpenDraft.h"
#include "gui/draftconfig/FormSetup.h"
#include "app/HelpPages.h"
#include "gui/projections/FormEditProjections.h"
#include "gui/projections/FormFindProjections.h"
#include "gui/valuation/StandingsPage.h"
#include "gui/valuation/TargetsPage.h"
#include "valuation/DollarValues.h"
#include "valuation/Ranks.h"

namespace quorvane::gui {

namespace {

struct TabDefinition {
    const char* caption;
    const char* pageName;
};

constexpr std::array<TabDefinition, 4> kTabs = {{{"Main View", "tab_main"},
                                                 {"Player Research", "tab_research"},
                                                 {"Projected Standings", "tab_standings"},
                                                 {"Category Targets", "tab_targets"}}};

QAction* addMenuItem(QMenu* menu, const char* name, const char* caption, bool enabled = true) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    return action;
}

QMenu* addMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QString productName() {
    return QString::fromUtf8(kProductName.data(), static_cast<qsizetype>(kProductName.size()));
}

}  // namespace

FormMain::FormMain(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("form_main"));
    setWindowTitle(productName() + QStringLiteral(" Draft Software"));
    buildMenus();

    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    columns->addWidget(buildTabs(), 3);
    auto* side = new QVBoxLayout;
    side->addWidget(buildDraftInfo());
    side->addWidget(buildWebPane(), 1);
    columns->addLayout(side, 1);
    setCentralWidget(central);
    buildValuationPages();

    resize(1200, 800);
    centreOnScreen();
}

FormMain::~FormMain() = default;

void FormMain::buildMenus() {
    QMenuBar* bar = menuBar();

    QMenu* file = addMenu(bar, "mnuFile", "File");
    connect(addMenuItem(file, "mnuNewDraft", "New Draft"), &QAction::triggered, this,
            &FormMain::openNewDraft);
    connect(addMenuItem(file, "mnuOpenDraft", "Open Draft"), &QAction::triggered, this,
            &FormMain::openOpenDraft);
    file->addSeparator();
    connect(addMenuItem(file, "mnuExit", "Exit"), &QAction::triggered, this, &FormMain::close);

    // Nothing to edit until a draft is open.
    m_editMenu = addMenu(bar, "mnuEdit", "Edit");
    m_editMenu->setEnabled(false);
    m_editMenu->menuAction()->setEnabled(false);
    connect(addMenuItem(m_editMenu, "mnuEditDraftSettings", "Draft Settings"), &QAction::triggered,
            this, &FormMain::openDraftSettings);

    // The windows behind the disabled items are not part of the program yet.
    QMenu* players = addMenu(bar, "mnuPlayers", "Players");
    addMenuItem(players, "mnuAddPlayer", "Add Player", false);
    addMenuItem(players, "mnuKeepers", "Add Keepers", false);

    QMenu* projections = addMenu(bar, "mnuProjections", "Projections");
    connect(addMenuItem(projections, "mnuUpdateProjections", "Update Projections"),
            &QAction::triggered, this, &FormMain::openFindProjections);
    connect(addMenuItem(projections, "mnu_edit_projections", "Edit Projections"),
            &QAction::triggered, this, &FormMain::openEditProjections);

    QMenu* exports = addMenu(bar, "mnuExport", "Export");
    addMenuItem(exports, "mnuExRosters", "Rosters", false);
    addMenuItem(exports, "mnuExDraft", "Draft/Auction Results", false);
    addMenuItem(exports, "mnuExHitProjections", "Player Projections", false);

    QMenu* help = addMenu(bar, "mnuHelp", "Help");
    connect(addMenuItem(help, "mnuHelpTopics", "Help Topics"), &QAction::triggered, this,
            [this] { showHelp(HelpPage::Topics); });
    connect(addMenuItem(help, "mnuAbout", "About"), &QAction::triggered, this,
            &FormMain::openAbout);
}

QWidget* FormMain::buildTabs() {
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    for (std::size_t index = 0; index < kTabs.size(); ++index) {
        auto* host = new QWidget(m_tabs);
        auto* layout = new QVBoxLayout(host);
        if (index == kMainView) {
            auto* strip = new QHBoxLayout;
            m_updateDollars = new QPushButton(QStringLiteral("Update $"), host);
            m_updateDollars->setObjectName(QStringLiteral("cmd_updateDollars"));
            m_showInflation = new QCheckBox(QStringLiteral("Show Inflation"), host);
            m_showInflation->setObjectName(QStringLiteral("ck_original"));
            strip->addWidget(m_updateDollars);
            strip->addWidget(m_showInflation);
            strip->addStretch(1);
            layout->addLayout(strip);
            // Auction controls appear once an auction is open.
            m_updateDollars->setVisible(false);
            m_showInflation->setVisible(false);
            connect(m_showInflation, &QCheckBox::toggled, this,
                    [this](bool checked) { m_state.showInflation = checked; });
            connect(m_updateDollars, &QPushButton::clicked, this, [this] {
                if (calcDollarValues(m_state, m_dialogs, "B")) {
                    refreshMain();
                }
            });
        }
        auto* page = new QWidget(host);
        page->setObjectName(QString::fromLatin1(kTabs[index].pageName));
        layout->addWidget(page, 1);
        m_tabHosts[index] = layout;
        m_tabPages[index] = page;
        m_tabs->addTab(host, QString::fromUtf8(kTabs[index].caption));
    }
    return m_tabs;
}

QWidget* FormMain::buildDraftInfo() {
    auto* frame = new QGroupBox(QStringLiteral("Draft Info"), this);
    frame->setObjectName(QStringLiteral("frame_info"));
    auto* layout = new QVBoxLayout(frame);

    m_templateName = new QLabel(frame);
    m_templateName->setObjectName(QStringLiteral("lbl_template"));
    QFont nameFont = m_templateName->font();
    nameFont.setBold(true);
    m_templateName->setFont(nameFont);
    m_templateName->setWordWrap(true);
    layout->addWidget(m_templateName);

    m_moneyArea = new QVBoxLayout;
    m_moneyArea->setSpacing(2);
    layout->addLayout(m_moneyArea);

    auto* turnButtons = new QHBoxLayout;
    m_skip = new QPushButton(QStringLiteral("Skip Pick"), frame);
    m_skip->setObjectName(QStringLiteral("cmd_skip"));
    m_undoPick = new QPushButton(QStringLiteral("Undo Last Pick"), frame);
    m_undoPick->setObjectName(QStringLiteral("cmd_undopick"));
    // The turn order arrives with the draft room.
    m_skip->setEnabled(false);
    m_undoPick->setEnabled(false);
    turnButtons->addWidget(m_skip);
    turnButtons->addWidget(m_undoPick);
    layout->addLayout(turnButtons);
    return frame;
}

QWidget* FormMain::buildWebPane() {
    m_webPane = new QTextBrowser(this);
    m_webPane->setObjectName(QStringLiteral("wb1"));
    m_webPane->setOpenExternalLinks(false);
    m_webPane->setHtml(
        QStringLiteral("<h2>%1</h2>"
                       "<p>Welcome to your draft room.</p>"
                       "<p>Create a league with <b>File &gt; New Draft</b> or continue one with "
                       "<b>File &gt; Open Draft</b>. <b>Edit &gt; Draft Settings</b> changes the "
                       "teams, the roster and the scoring of the open draft.</p>")
            .arg(productName()));
    return m_webPane;
}

void FormMain::buildValuationPages() {
    auto* standings = new StandingsPage(m_state, m_dialogs);
    connect(standings, &StandingsPage::helpRequested, this, &FormMain::showHelpPath);
    setTabPage(kProjectedStandings, standings);
    m_targets = new TargetsPage(m_state, m_dialogs);
    connect(m_targets, &TargetsPage::helpRequested, this, &FormMain::showHelpPath);
    setTabPage(kCategoryTargets, m_targets);
}

void FormMain::showHelpPath(const QString& servicePath) {
    for (const HelpPageEntry& entry : helpPageEntries()) {
        if (servicePath.toStdString() == entry.servicePath) {
            showHelp(entry.page);
            return;
        }
    }
}

void FormMain::showHelp(HelpPage page) {
    // The pane shows the copy shipped with the program; pages of a configured service are
    // shown here once the pane can fetch them.
    const QString file =
        QString::fromStdString(localHelpFile(helpPageEntry(page).localFile));
    m_webPane->setSource(QUrl::fromLocalFile(file));
}

void FormMain::centreOnScreen() {
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        QRect frame = frameGeometry();
        frame.moveCenter(available.center());
        move(frame.topLeft());
    }
}

void FormMain::setTabPage(int index, QWidget* page) {
    if (index < 0 || index >= static_cast<int>(m_tabPages.size()) || page == nullptr) {
        return;
    }
    const auto slot = static_cast<std::size_t>(index);
    QWidget* old = m_tabPages[slot];
    if (old == page) {
        return;
    }
    m_tabHosts[slot]->replaceWidget(old, page);
    m_tabHosts[slot]->setStretchFactor(page, 1);
    page->setParent(m_tabHosts[slot]->parentWidget());
    page->show();
    m_tabPages[slot] = page;
    delete old;
}

QWidget* FormMain::tabPage(int index) const {
    if (index < 0 || index >= static_cast<int>(m_tabPages.size())) {
        return nullptr;
    }
    return m_tabPages[static_cast<std::size_t>(index)];
}

void FormMain::selectFirstTab() {
    m_tabs->setCurrentIndex(kMainView);
}

void FormMain::refreshMain() {
    if (!m_state.draftSettings) {
        return;
    }
    m_dialogs.setBusy(true);
    enableActionButtons(false);

    const DraftSettings& draft = *m_state.draftSettings;
    // A draft whose settings could not be read keeps the name shown before.
    if (!draft.template_name.empty()) {
        m_templateName->setText(QString::fromStdString(draft.template_name));
    }
    m_editMenu->setEnabled(true);
    m_editMenu->menuAction()->setEnabled(true);

    const bool auction = draft.drafttype == kDraftTypeAuction;
    if (auction) {
        calcDollarValues(m_state, m_dialogs, "B");
    } else {
        calcRanks(m_state, m_dialogs);
    }
    m_updateDollars->setVisible(auction);
    m_showInflation->setVisible(auction);
    m_targets->showCategoryTargets();

    enableActionButtons(true);
    m_dialogs.setBusy(false);
}

void FormMain::showUpdateDollars(bool visible) {
    m_updateDollars->setVisible(visible);
}

void FormMain::resetResearchGrid() {
    // The research page starts from the top by itself once it exists.
}

void FormMain::openNewDraft() {
    FormNewDraft window(m_state, m_dialogs, *this, this);
    window.exec();
}

void FormMain::openOpenDraft() {
    FormOpenDraft window(m_state, m_dialogs, *this, this);
    window.exec();
}

void FormMain::openDraftSettings() {
    FormSetup window(m_state, m_dialogs, *this, this);
    window.exec();
}

void FormMain::openFindProjections() {
    FormFindProjections window(m_state, m_dialogs, this);
    connect(&window, &FormFindProjections::refreshRequested, this, &FormMain::refreshMain);
    window.exec();
}

void FormMain::openEditProjections() {
    FormEditProjections window(m_state, m_dialogs, this);
    connect(&window, &FormEditProjections::refreshRequested, this, &FormMain::refreshMain);
    window.exec();
}

void FormMain::openAbout() {
    FormAboutUs window(m_state, this);
    window.exec();
}

}  // namespace quorvane::gui
