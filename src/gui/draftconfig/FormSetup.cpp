// SPDX-License-Identifier: MIT
#include "gui/draftconfig/FormSetup.h"
#include "gui/widgets/NamedWidget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/app/LoadedWindows.h"
#include "gui/app/MainWindowView.h"
#include "session/ProgramState.h"
#include "session/SetupConversation.h"
#include "session/UserDialogs.h"
#include "vocabulary/CategoryCatalogue.h"

namespace quorvane::gui {

namespace {

constexpr int kCategoryRowsPerColumn = 9;
constexpr int kMineColumnWidth = 48;
constexpr int kOrderColumnWidth = 56;
constexpr int kWeightWidth = 64;
// The index of the team row a field belongs to.
constexpr const char* kTeamRowProperty = "teamRow";

// Slot lists offer 0..10 slots, the utility list 0..12.
constexpr std::array<int, kRosterSlotCount> kMostSlots = {10, 10, 10, 10, 10, 10, 10, 12, 10};

QString named(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QString::fromLatin1(name)).arg(index);
}

QString qtext(const std::string& text) {
    return QString::fromStdString(text);
}

QRadioButton* optionButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QRadioButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QLabel* label(const char* name, const char* caption, QWidget* parent) {
    auto* result = new QLabel(QString::fromUtf8(caption), parent);
    if (name != nullptr) {
        result->setObjectName(QString::fromLatin1(name));
    }
    return result;
}

// Checks `chosen` and clears the others of its group; nullptr leaves the group without a
// choice, as a draft with an unknown code shows it.
void selectOnly(QButtonGroup* group, QAbstractButton* chosen) {
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) {
        button->setChecked(button == chosen);
    }
    group->setExclusive(true);
}

}  // namespace

FormSetup::FormSetup(ProgramState& state, UserDialogs& dialogs, MainWindowView& main,
                     QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs), m_main(main) {
    setObjectName(QStringLiteral("form_setup"));
    setWindowTitle(QStringLiteral("Setup"));

    m_tabs = makeNamed<QTabWidget>("SSTab1", this);
    m_tabs->addTab(buildLeagueTab(), QStringLiteral("League Setup"));
    m_tabs->addTab(buildDraftTab(), QStringLiteral("Draft Setup"));
    m_tabs->addTab(buildTeamTab(), QStringLiteral("Team Setup"));
    m_tabs->addTab(buildRosterTab(), QStringLiteral("Roster Setup"));

    m_ok = makeNamed<QPushButton>("Command6", QStringLiteral("OK"), this);
    m_apply = makeNamed<QPushButton>("Command4", QStringLiteral("Apply"), this);
    m_cancel = makeNamed<QPushButton>("Command5", QStringLiteral("Cancel"), this);
    // Enter saves and closes, as OK does; only in a team's row it goes on to the next team's
    // name, so that a league's names are typed one after the other.
    for (QPushButton* button : {m_ok, m_apply, m_cancel}) {
        button->setAutoDefault(false);
    }
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        if (save()) {
            accept();
        }
    });
    connect(m_apply, &QPushButton::clicked, this, [this] { save(); });
    connect(m_cancel, &QPushButton::clicked, this, &FormSetup::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_apply);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
    resize(760, 520);

    if (!m_state.draftSettings()) {
        m_dialogs.showMessage("No Draft Open", "You must open a draft before editing it",
                              MessageIcon::Exclamation);
        return;
    }
    m_loaded = true;
    showTab(SetupTab::League);
    showForm(fillSetup(*m_state.draftSettings()));
}

int FormSetup::exec() {
    return m_loaded ? QDialog::exec() : QDialog::Rejected;
}

QWidget* FormSetup::buildLeagueTab() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("frame_league"));

    m_rotisserie = optionButton("Option1", "Rotisserie", page);
    m_fantasyPoints = optionButton("Option2", "Fantasy Points", page);
    m_headToHead = optionButton("opt_headtohead", "Head-to-Head Categories", page);
    m_styleGroup = new QButtonGroup(page);
    m_styleGroup->addButton(m_rotisserie);
    m_styleGroup->addButton(m_fantasyPoints);
    m_styleGroup->addButton(m_headToHead);
    connect(m_fantasyPoints, &QRadioButton::toggled, this, &FormSetup::showWeights);
    connect(m_headToHead, &QRadioButton::toggled, this, &FormSetup::showHeadToHead);

    auto* styleRow = new QHBoxLayout;
    styleRow->addWidget(label("lbl1", "League Style:", page));
    styleRow->addWidget(m_rotisserie);
    styleRow->addWidget(m_fantasyPoints);
    styleRow->addWidget(m_headToHead);
    styleRow->addStretch(1);

    // How a week is won and how long it is; each category's variance ratio sits beside its box.
    m_headToHeadRow = new QWidget(page);
    m_headToHeadRow->setObjectName(QStringLiteral("frm_headtohead"));
    m_headToHeadMode = makeNamed<QComboBox>("cbo_h2hmode", m_headToHeadRow);
    m_headToHeadMode->addItem(QStringLiteral("Each Category"));
    m_headToHeadMode->addItem(QStringLiteral("Most Categories"));
    m_headToHeadMode->setToolTip(
        QStringLiteral("Each Category: every category won counts. Most Categories: the team "
                       "that wins more categories wins the week (a tie counts one half)."));
    m_gamesPerWeek = makeNamed<QLineEdit>("txt_gamesperweek", m_headToHeadRow);
    m_gamesPerWeek->setFixedWidth(kWeightWidth);
    m_gamesPerWeek->setToolTip(QStringLiteral("The games a player plays in a week (3 by default)"));
    auto* headToHeadLayout = new QHBoxLayout(m_headToHeadRow);
    headToHeadLayout->setContentsMargins(0, 0, 0, 0);
    auto* modeLabel = label("lbl_h2hmode", "Week won by:", m_headToHeadRow);
    modeLabel->setBuddy(m_headToHeadMode);
    auto* gamesLabel = label("lbl_gamesperweek", "Games per week:", m_headToHeadRow);
    gamesLabel->setBuddy(m_gamesPerWeek);
    headToHeadLayout->addWidget(modeLabel);
    headToHeadLayout->addWidget(m_headToHeadMode);
    headToHeadLayout->addSpacing(16);
    headToHeadLayout->addWidget(gamesLabel);
    headToHeadLayout->addWidget(m_gamesPerWeek);
    headToHeadLayout->addSpacing(16);
    headToHeadLayout->addWidget(
        label("lbl_ratios", "Beside each category: its week-to-week variance ratio.", page), 1);

    auto* categories = new QGroupBox(QStringLiteral("Categories"), page);
    categories->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(categories);
    grid->setHorizontalSpacing(6);
    for (int box = 0; box < kCategoryBoxCount; ++box) {
        const auto slot = static_cast<std::size_t>(box);
        const CategoryDefinition* category = findCategory(kSetupCategoryBoxes[slot]);
        const QString caption =
            category != nullptr
                ? QString::fromUtf8(category->setupCaption.data(),
                                    static_cast<qsizetype>(category->setupCaption.size()))
                : QString();
        auto* check = new QCheckBox(caption, categories);
        check->setObjectName(named("Check1", box));
        check->setProperty("categoryid", kSetupCategoryBoxes[slot]);
        auto* weight = new QLineEdit(categories);
        weight->setObjectName(named("Text1", box));
        weight->setFixedWidth(kWeightWidth);
        auto* points = new QLabel(QStringLiteral("pts"), categories);
        points->setObjectName(named("Label1", box));
        // A head-to-head league's ratio takes the weight's place: the two never show together.
        auto* ratio = new QLineEdit(categories);
        ratio->setObjectName(named("txt_ratio", box));
        ratio->setFixedWidth(kWeightWidth);
        ratio->setToolTip(
            QStringLiteral("Week-to-week variance ratio: how much the category's "
                           "weekly figures swing around a player's average"));
        auto* ratioLabel = new QLabel(QStringLiteral("var"), categories);
        ratioLabel->setObjectName(named("lbl_ratio", box));
        // Three column groups of box, weight and "pts", filled top to bottom.
        const int row = box % kCategoryRowsPerColumn;
        const int column = (box / kCategoryRowsPerColumn) * 4;
        grid->addWidget(check, row, column);
        grid->addWidget(weight, row, column + 1);
        grid->addWidget(points, row, column + 2);
        grid->addWidget(ratio, row, column + 1);
        grid->addWidget(ratioLabel, row, column + 2);
        grid->setColumnMinimumWidth(column + 3, 18);
        m_categoryBoxes[slot] = check;
        m_weights[slot] = weight;
        m_pointsLabels[slot] = points;
        m_ratios[slot] = ratio;
        m_ratioLabels[slot] = ratioLabel;
    }

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(styleRow);
    layout->addWidget(m_headToHeadRow);
    layout->addWidget(categories);
    layout->addStretch(1);
    return page;
}

QWidget* FormSetup::buildDraftTab() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("frame_draft"));

    auto* styles = new QWidget(page);
    styles->setObjectName(QStringLiteral("fra_draft_1"));
    m_auction = optionButton("Option8", "Auction", styles);
    m_straight = optionButton("Option7", "Draft (Straight)", styles);
    m_snake = optionButton("Option6", "Draft (Snake)", styles);
    m_draftTypeGroup = new QButtonGroup(page);
    auto* styleColumn = new QVBoxLayout(styles);
    styleColumn->setContentsMargins(0, 0, 0, 0);
    for (QRadioButton* button : {m_auction, m_straight, m_snake}) {
        m_draftTypeGroup->addButton(button);
        styleColumn->addWidget(button);
    }
    connect(m_auction, &QRadioButton::toggled, this, &FormSetup::showAuctionFields);
    // The main window's "Update $" follows the style as the user picks it.
    connect(m_auction, &QRadioButton::clicked, this, [this] { m_main.showUpdateDollars(true); });
    connect(m_straight, &QRadioButton::clicked, this, [this] { m_main.showUpdateDollars(false); });
    connect(m_snake, &QRadioButton::clicked, this, [this] { m_main.showUpdateDollars(false); });

    m_rounds = makeNamed<QComboBox>("Combo1", page);
    for (int rounds = 1; rounds <= kMostRounds; ++rounds) {
        m_rounds->addItem(QString::number(rounds));
    }
    m_salaryCap = makeNamed<QLineEdit>("Text3", page);
    m_minBid = makeNamed<QLineEdit>("txt_minbid", page);
    for (QLineEdit* money : {m_salaryCap, m_minBid}) {
        money->setMaximumWidth(120);
    }
    m_salaryCapLabel = label("Label5", "Salary Cap(Dollars)", page);
    m_minBidLabel = label("Label24", "Min Bid(Dollars)", page);

    auto* grid = new QGridLayout(page);
    grid->addWidget(label("Label3", "Draft Style:", page), 0, 0, Qt::AlignTop);
    grid->addWidget(styles, 0, 1);
    grid->addWidget(label("Label4", "Number Of Rounds:", page), 1, 0);
    grid->addWidget(m_rounds, 1, 1, Qt::AlignLeft);
    grid->addWidget(m_salaryCapLabel, 2, 0);
    grid->addWidget(m_salaryCap, 2, 1, Qt::AlignLeft);
    grid->addWidget(m_minBidLabel, 3, 0);
    grid->addWidget(m_minBid, 3, 1, Qt::AlignLeft);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(2, 1);
    grid->setVerticalSpacing(10);
    return page;
}

QWidget* FormSetup::buildTeamTab() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("frame_team"));

    auto* headings = new QHBoxLayout;
    auto* mineHeading = label("Label23", "Mine", page);
    mineHeading->setFixedWidth(kMineColumnWidth);
    auto* orderHeading = label("Label7", "Order", page);
    orderHeading->setFixedWidth(kOrderColumnWidth);
    headings->addWidget(mineHeading);
    headings->addWidget(orderHeading);
    headings->addWidget(label("Label6", "Team Owner", page), 1);
    headings->setContentsMargins(6, 0, 6, 0);

    m_canvas = new QWidget;
    m_canvas->setObjectName(QStringLiteral("picCanvas"));
    m_canvasRows = new QVBoxLayout(m_canvas);
    m_canvasRows->setContentsMargins(6, 0, 6, 0);
    m_canvasRows->setSpacing(2);
    m_canvasRows->addStretch(1);
    m_teamScroll = new QScrollArea(page);
    m_teamScroll->setWidgetResizable(true);
    m_teamScroll->setWidget(m_canvas);
    m_mineGroup = new QButtonGroup(page);

    auto* add = new QPushButton(QStringLiteral("Add Team"), page);
    add->setObjectName(QStringLiteral("Command2"));
    add->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, &FormSetup::addTeam);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(headings);
    layout->addWidget(m_teamScroll, 1);
    layout->addWidget(add, 0, Qt::AlignLeft);
    return page;
}

QWidget* FormSetup::buildRosterTab() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("frame_roster"));

    auto* instructions = label("Label8",
                               "Select the number of players who start for your team at each "
                               "position.  Use the RES dropdown to select the number of reserves "
                               "or bench players on your roster.",
                               page);
    instructions->setWordWrap(true);

    auto* grid = new QGridLayout;
    for (int list = 0; list < kRosterSlotCount; ++list) {
        const auto slot = static_cast<std::size_t>(list);
        auto* slotList = new QComboBox(page);
        slotList->setObjectName(named("list1", list));
        for (int count = 0; count <= kMostSlots[slot]; ++count) {
            slotList->addItem(QString::number(count));
        }
        const QString caption = QString::fromLatin1(kRosterListNames[slot]) + QLatin1Char(':');
        auto* name = new QLabel(caption, page);
        name->setBuddy(slotList);
        grid->addWidget(name, list, 0);
        grid->addWidget(slotList, list, 1);
        m_rosterLists[slot] = slotList;
    }
    grid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(instructions);
    layout->addSpacing(8);
    layout->addLayout(grid);
    layout->addStretch(1);
    return page;
}

SetupForm FormSetup::readForm() const {
    SetupForm form;
    if (m_rotisserie->isChecked()) {
        form.scoringStyle = kScoringRotisserie;
    } else if (m_fantasyPoints->isChecked()) {
        form.scoringStyle = kScoringPoints;
    } else if (m_headToHead->isChecked()) {
        form.scoringStyle = kScoringHeadToHead;
    }
    form.headToHeadMode =
        m_headToHeadMode->currentIndex() == 1 ? kHeadToHeadMostCategories : kHeadToHeadEachCategory;
    form.gamesPerWeek = m_gamesPerWeek->text().toStdString();
    if (m_auction->isChecked()) {
        form.draftType = kDraftTypeAuction;
    } else if (m_snake->isChecked()) {
        form.draftType = kDraftTypeSnake;
    } else if (m_straight->isChecked()) {
        form.draftType = kDraftTypeStraight;
    }
    form.roundsIndex = m_rounds->currentIndex();
    form.salaryCap = m_salaryCap->text().toStdString();
    form.minBid = m_minBid->text().toStdString();
    for (std::size_t box = 0; box < m_categoryBoxes.size(); ++box) {
        form.categoryTicked[box] = m_categoryBoxes[box]->isChecked();
        form.categoryWeight[box] = m_weights[box]->text().toStdString();
        form.varianceRatio[box] = m_ratios[box]->text().toStdString();
    }
    for (std::size_t list = 0; list < m_rosterLists.size(); ++list) {
        form.rosterSlots[list] = m_rosterLists[list]->currentIndex();
    }
    form.teamRows = m_teamRows;
    for (std::size_t row = 0; row < form.teamRows.size(); ++row) {
        const TeamRowControls& controls = m_teamControls[row];
        form.teamRows[row].name = controls.name->text().toStdString();
        form.teamRows[row].order = controls.order->text().toStdString();
        form.teamRows[row].mine = controls.mine->isChecked();
    }
    return form;
}

void FormSetup::showForm(const SetupForm& form) {
    selectOnly(m_styleGroup, form.scoringStyle == kScoringRotisserie   ? m_rotisserie
                             : form.scoringStyle == kScoringPoints     ? m_fantasyPoints
                             : form.scoringStyle == kScoringHeadToHead ? m_headToHead
                                                                       : nullptr);
    m_headToHeadMode->setCurrentIndex(form.headToHeadMode == kHeadToHeadMostCategories ? 1 : 0);
    m_gamesPerWeek->setText(qtext(form.gamesPerWeek));
    m_minBid->setText(qtext(form.minBid));
    for (std::size_t box = 0; box < m_categoryBoxes.size(); ++box) {
        m_categoryBoxes[box]->setChecked(form.categoryTicked[box]);
        m_weights[box]->setText(qtext(form.categoryWeight[box]));
        m_ratios[box]->setText(qtext(form.varianceRatio[box]));
    }
    QRadioButton* draftStyle = nullptr;
    if (form.draftType == kDraftTypeAuction) {
        draftStyle = m_auction;
    } else if (form.draftType == kDraftTypeSnake) {
        draftStyle = m_snake;
    } else if (form.draftType == kDraftTypeStraight) {
        draftStyle = m_straight;
    }
    selectOnly(m_draftTypeGroup, draftStyle);
    m_rounds->setCurrentIndex(form.roundsIndex);
    m_salaryCap->setText(qtext(form.salaryCap));
    showTeamRows(form.teamRows);
    for (std::size_t list = 0; list < m_rosterLists.size(); ++list) {
        m_rosterLists[list]->setCurrentIndex(form.rosterSlots[list]);
    }
    showWeights(m_fantasyPoints->isChecked());
    showHeadToHead(m_headToHead->isChecked());
    showAuctionFields(m_auction->isChecked());
}

void FormSetup::showTab(SetupTab tab) {
    m_tabs->setCurrentIndex(static_cast<int>(tab));
}

void FormSetup::showWeights(bool visible) {
    for (std::size_t box = 0; box < m_weights.size(); ++box) {
        m_weights[box]->setVisible(visible);
        m_pointsLabels[box]->setVisible(visible);
    }
}

void FormSetup::showHeadToHead(bool visible) {
    m_headToHeadRow->setVisible(visible);
    for (std::size_t box = 0; box < m_ratios.size(); ++box) {
        m_ratios[box]->setVisible(visible);
        m_ratioLabels[box]->setVisible(visible);
    }
}

void FormSetup::showAuctionFields(bool visible) {
    for (QWidget* field :
         std::initializer_list<QWidget*>{m_salaryCap, m_minBid, m_salaryCapLabel, m_minBidLabel}) {
        field->setVisible(visible);
    }
}

void FormSetup::addTeamRowControls(int index) {
    TeamRowControls controls;
    controls.row = new QWidget(m_canvas);
    auto* layout = new QHBoxLayout(controls.row);
    layout->setContentsMargins(0, 0, 0, 0);
    controls.mine = new QRadioButton(controls.row);
    controls.mine->setObjectName(named("opt_mine", index));
    controls.mine->setFixedWidth(kMineColumnWidth);
    controls.order = new QLineEdit(controls.row);
    controls.order->setObjectName(named("Text5", index));
    controls.order->setFixedWidth(kOrderColumnWidth - layout->spacing());
    controls.name = new QLineEdit(controls.row);
    controls.name->setObjectName(named("Text4", index));
    controls.remove = new QPushButton(QStringLiteral("Delete"), controls.row);
    controls.remove->setObjectName(named("cmd_delteam", index));
    controls.remove->setAutoDefault(false);
    // Tab goes from a team's name to the next team, never to its Delete button (Ctrl+Delete in
    // the row deletes the team from the keyboard).
    controls.remove->setFocusPolicy(Qt::ClickFocus);
    controls.remove->setToolTip(QStringLiteral("Ctrl+Delete in the row"));
    for (QWidget* field :
         std::initializer_list<QWidget*>{controls.mine, controls.order, controls.name}) {
        field->setProperty(kTeamRowProperty, index);
        field->installEventFilter(this);
    }
    layout->addWidget(controls.mine);
    layout->addWidget(controls.order);
    layout->addWidget(controls.name, 1);
    layout->addWidget(controls.remove);
    m_mineGroup->addButton(controls.mine, index);
    connect(controls.remove, &QPushButton::clicked, this, [this, index] { deleteTeamRow(index); });
    // The stretch stays last so the rows sit at the top of the canvas.
    m_canvasRows->insertWidget(m_canvasRows->count() - 1, controls.row);
    m_teamControls.push_back(controls);
}

void FormSetup::showTeamRows(const std::vector<SetupTeamRow>& rows) {
    m_teamRows = rows;
    while (m_teamControls.size() > rows.size()) {
        // The row may hold the "Delete" button being clicked: take it out of the window now
        // (so its names are gone at once) and free it once the click is over.
        QWidget* row = m_teamControls.back().row;
        m_mineGroup->removeButton(m_teamControls.back().mine);
        m_canvasRows->removeWidget(row);
        row->hide();
        row->setParent(nullptr);
        row->deleteLater();
        m_teamControls.pop_back();
    }
    while (m_teamControls.size() < rows.size()) {
        addTeamRowControls(static_cast<int>(m_teamControls.size()));
    }
    m_mineGroup->setExclusive(false);
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const TeamRowControls& controls = m_teamControls[index];
        controls.name->setText(qtext(rows[index].name));
        controls.order->setText(qtext(rows[index].order));
        controls.mine->setChecked(rows[index].mine);
    }
    m_mineGroup->setExclusive(true);
    chainTeamRows();
}

// Row by row, as the eye reads them: Mine, Order, Team Owner, then the next team.
void FormSetup::chainTeamRows() {
    QWidget* previous = nullptr;
    for (const TeamRowControls& controls : m_teamControls) {
        for (QWidget* field :
             std::initializer_list<QWidget*>{controls.mine, controls.order, controls.name}) {
            if (previous != nullptr) {
                setTabOrder(previous, field);
            }
            previous = field;
        }
    }
    if (previous != nullptr) {
        setTabOrder(previous, findChild<QPushButton*>(QStringLiteral("Command2")));
    }
}

bool FormSetup::eventFilter(QObject* watched, QEvent* event) {
    const QVariant row = watched->property(kTeamRowProperty);
    if (event->type() != QEvent::KeyPress || !row.isValid()) {
        return QDialog::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto index = static_cast<std::size_t>(row.toInt());
    if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier) {
        deleteTeamRow(row.toInt());
        return true;
    }
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && key->modifiers() == Qt::NoModifier && index + 1 < m_teamControls.size()) {
        QLineEdit* next = m_teamControls[index + 1].name;
        m_teamScroll->ensureWidgetVisible(next);
        next->setFocus(Qt::TabFocusReason);
        next->selectAll();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FormSetup::addTeam() {
    SetupForm form = readForm();
    if (!addTeamRow(form)) {
        return;
    }
    showTeamRows(form.teamRows);
    QLineEdit* name = m_teamControls.back().name;
    m_teamScroll->ensureWidgetVisible(name);
    name->setFocus();
}

void FormSetup::deleteTeamRow(int index) {
    SetupForm form = readForm();
    const DeleteTeamOutcome outcome =
        deleteTeam(m_state, m_dialogs, form, static_cast<std::size_t>(index));
    if (outcome == DeleteTeamOutcome::Discarded || outcome == DeleteTeamOutcome::Deleted) {
        showTeamRows(form.teamRows);
    }
    // Every pick of the draft went with the team: the draft room must not go on showing them,
    // whether or not the user saves the setup afterwards.
    if (outcome == DeleteTeamOutcome::Deleted) {
        m_main.refreshMain();
    }
}

bool FormSetup::save() {
    enableActionButtons(false);
    SetupForm form = readForm();
    const SetupSaveOutcome outcome = saveSetup(m_state, m_dialogs, form);
    if (!outcome.saved) {
        enableActionButtons(true);
        if (outcome.showTab) {
            showTab(*outcome.showTab);
        }
        return false;
    }
    showForm(form);
    m_main.refreshMain();
    enableActionButtons(true);
    return true;
}

void FormSetup::reject() {
    // A style clicked and not saved must not leave "Update $" behind for the open draft.
    if (m_state.draftSettings()) {
        m_main.showUpdateDollars(m_state.draftSettings()->drafttype == kDraftTypeAuction);
    }
    QDialog::reject();
}

}  // namespace quorvane::gui
