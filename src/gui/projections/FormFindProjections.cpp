// SPDX-License-Identifier: MIT
#include "gui/projections/FormFindProjections.h"
#include "gui/widgets/NamedWidget.h"

#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>

#include <utility>

#include "gui/projections/FormProjDone.h"
#include "gui/projections/ImportProgressDialogs.h"
#include "gui/widgets/BusyTransfer.h"
#include "platform/CurlTransfer.h"
#include "projections/ProjectionDownload.h"
#include "session/ProgramState.h"
#include "session/ProjectionConversation.h"

namespace quorvane::gui {

namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

FormFindProjections::FormFindProjections(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : FormFindProjections(state, dialogs, std::make_unique<CurlTransfer>(), parent) {}

FormFindProjections::FormFindProjections(ProgramState& state, UserDialogs& dialogs,
                                         UrlTransfer& transfer, QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs), m_transfer(&transfer) {
    buildWindow();
}

FormFindProjections::FormFindProjections(ProgramState& state, UserDialogs& dialogs,
                                         std::unique_ptr<UrlTransfer> transfer, QWidget* parent)
    : QDialog(parent),
      m_state(state),
      m_dialogs(dialogs),
      m_ownTransfer(std::move(transfer)),
      m_transfer(m_ownTransfer.get()) {
    buildWindow();
}

FormFindProjections::~FormFindProjections() = default;

void FormFindProjections::buildWindow() {
    setObjectName("form_findProjections");
    setWindowTitle("Select Projection File");
    resize(760, 520);

    lblInstructions = new QLabel(
        "There are two different ways to update your projections. Option 1: enter your "
        "Quorvane user name and password and download the newest projections from the "
        "Quorvane projection service. Option 2: locate the projections file on your computer "
        "below and click \"Select File\" (or double-click the file).",
        this);
    lblInstructions->setObjectName("lblInstructions");
    lblInstructions->setWordWrap(true);
    lbl_username = makeNamed<QLabel>("lbl_username", "Quorvane User Name:", this);
    txt_username = makeNamed<QLineEdit>("txt_username", this);
    lbl_password = makeNamed<QLabel>("lbl_password", "Quorvane Password:", this);
    txt_password = makeNamed<QLineEdit>("txt_password", this);
    txt_password->setEchoMode(QLineEdit::Password);
    cmd_updProj = makeNamed<QPushButton>("cmd_updProj", "Update Projections", this);
    cmd_updProj->setDefault(true);

    Label3 = new QLabel(
        "For option 2, first download the projections file from the projections page of the "
        "Quorvane web site and save it on your computer.",
        this);
    Label3->setObjectName("Label3");
    Label3->setWordWrap(true);

    m_folderModel = new QFileSystemModel(this);
    m_folderModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folderModel->setRootPath(QDir::rootPath());
    Dir1 = makeNamed<QTreeView>("Dir1", this);
    Dir1->setModel(m_folderModel);
    for (int column = 1; column < m_folderModel->columnCount(); ++column) {
        Dir1->hideColumn(column);
    }
    Dir1->header()->hide();

    m_fileModel = new QFileSystemModel(this);
    m_fileModel->setFilter(QDir::Files);
    m_fileModel->setNameFilters({"*.csv", "*.CSV", "*.Csv"});
    m_fileModel->setNameFilterDisables(false);
    FilList = makeNamed<QListView>("FilList", this);
    FilList->setModel(m_fileModel);

    cmdSelect = makeNamed<QPushButton>("cmdSelect", "Select File", this);
    lbl_lastUpdated =
        makeNamed<QLabel>("lbl_lastUpdated", fromStd(getRevisionText(m_state, m_dialogs)), this);
    lblUpdate = makeNamed<QLabel>("lblUpdate", this);
    progressImport = makeNamed<QProgressBar>("progressImport", this);
    progressImport->setVisible(false);

    auto* account = new QGridLayout;
    account->addWidget(lbl_username, 0, 0);
    account->addWidget(txt_username, 0, 1);
    account->addWidget(lbl_password, 1, 0);
    account->addWidget(txt_password, 1, 1);
    account->addWidget(cmd_updProj, 1, 2);
    account->setColumnStretch(1, 1);

    auto* layout = new QGridLayout(this);
    layout->addWidget(lblInstructions, 0, 0, 1, 2);
    layout->addLayout(account, 1, 0, 1, 2);
    layout->addWidget(Label3, 2, 0, 1, 2);
    layout->addWidget(Dir1, 3, 0);
    layout->addWidget(FilList, 3, 1);
    layout->addWidget(cmdSelect, 4, 1, Qt::AlignRight);
    layout->addWidget(lbl_lastUpdated, 5, 0, 1, 2);
    layout->addWidget(lblUpdate, 6, 0, 1, 2);
    layout->addWidget(progressImport, 7, 0, 1, 2);
    layout->setRowStretch(3, 1);

    connect(cmd_updProj, &QPushButton::clicked, this, &FormFindProjections::updateProjections);
    connect(Dir1, &QTreeView::clicked, this, &FormFindProjections::folderChosen);
    connect(cmdSelect, &QPushButton::clicked, this, &FormFindProjections::selectFile);
    connect(FilList, &QListView::doubleClicked, this, &FormFindProjections::fileDoubleClicked);

    setFolder(QDir::homePath());
}

void FormFindProjections::setFolder(const QString& folder) {
    const QModelIndex folderIndex = m_folderModel->index(folder);
    Dir1->setCurrentIndex(folderIndex);
    Dir1->scrollTo(folderIndex);
    FilList->setRootIndex(m_fileModel->setRootPath(folder));
}

QString FormFindProjections::folder() const {
    return m_fileModel->rootPath();
}

void FormFindProjections::folderChosen(const QModelIndex& index) {
    FilList->setRootIndex(m_fileModel->setRootPath(m_folderModel->filePath(index)));
}

QString FormFindProjections::selectedFile() const {
    const QModelIndex current = FilList->currentIndex();
    return current.isValid() ? m_fileModel->filePath(current) : QString();
}

std::optional<ImportResult> FormFindProjections::importFile(const QString& path) {
    cmdSelect->setEnabled(false);
    progressImport->setValue(0);
    progressImport->setVisible(true);
    ImportProgressDialogs dialogs(m_dialogs,
                                  [this](const QString& text, long long done, long long total) {
                                      showProgress(text, done, total);
                                  });
    const auto result = importProjectionFile(m_state, dialogs, path.toStdString());
    progressImport->setVisible(false);
    cmdSelect->setEnabled(true);
    if (result) {
        lblUpdate->setText("Projections Update Complete");
        lbl_lastUpdated->setText(fromStd(getRevisionText(m_state, m_dialogs)));
    } else {
        lblUpdate->clear();
    }
    return result;
}

void FormFindProjections::showProgress(const QString& text, long long done, long long total) {
    lblUpdate->setText(text);
    progressImport->setMaximum(static_cast<int>(total));
    progressImport->setValue(static_cast<int>(done));
}

void FormFindProjections::selectFile() {
    const QString path = selectedFile();
    if (!path.isEmpty()) {
        importFile(path);
    }
}

void FormFindProjections::fileDoubleClicked(const QModelIndex& index) {
    if (!index.isValid()) {
        return;
    }
    FilList->setCurrentIndex(index);
    if (importFile(m_fileModel->filePath(index))) {
        finishLoad();
    }
}

void FormFindProjections::finishLoad() {
    FormProjDone done(m_state, m_dialogs, this);
    done.exec();
    emit refreshRequested();
    accept();
}

void FormFindProjections::updateProjections() {
    cmd_updProj->setEnabled(false);
    cmdSelect->setEnabled(false);
    progressImport->setValue(0);
    progressImport->setVisible(true);
    ImportProgressDialogs dialogs(m_dialogs,
                                  [this](const QString& text, long long done, long long total) {
                                      showProgress(text, done, total);
                                  });
    BusyTransfer transfer(*m_transfer, this);
    // Core trims the name and password and encodes them into the request.
    const auto result =
        downloadProjections(m_state, dialogs, transfer, txt_username->text().toStdString(),
                            txt_password->text().toStdString());
    progressImport->setVisible(false);
    cmdSelect->setEnabled(true);
    cmd_updProj->setEnabled(true);
    if (!result) {
        // Nothing was written, so there is nothing to refresh; the window stays open to try
        // again or to pick a file instead.
        lblUpdate->clear();
        return;
    }
    lblUpdate->setText("Projections Update Complete");
    lbl_lastUpdated->setText(fromStd(getRevisionText(m_state, m_dialogs)));
    finishLoad();
}

}  // namespace quorvane::gui
