// SPDX-License-Identifier: MIT
#include "gui/projections/FormFindProjections.h"

#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>

#include "gui/projections/FormProjDone.h"
#include "gui/projections/ImportProgressDialogs.h"

namespace quorvane::gui {

namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

FormFindProjections::FormFindProjections(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs) {
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
    Label3 = new QLabel(
        "For option 2, first download the projections file from the projections page of the "
        "Quorvane web site and save it on your computer.",
        this);
    Label3->setObjectName("Label3");
    Label3->setWordWrap(true);

    m_folderModel = new QFileSystemModel(this);
    m_folderModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folderModel->setRootPath(QDir::rootPath());
    Dir1 = new QTreeView(this);
    Dir1->setObjectName("Dir1");
    Dir1->setModel(m_folderModel);
    for (int column = 1; column < m_folderModel->columnCount(); ++column) {
        Dir1->hideColumn(column);
    }
    Dir1->header()->hide();

    m_fileModel = new QFileSystemModel(this);
    m_fileModel->setFilter(QDir::Files);
    m_fileModel->setNameFilters({"*.csv", "*.CSV", "*.Csv"});
    m_fileModel->setNameFilterDisables(false);
    FilList = new QListView(this);
    FilList->setObjectName("FilList");
    FilList->setModel(m_fileModel);

    cmdSelect = new QPushButton("Select File", this);
    cmdSelect->setObjectName("cmdSelect");
    lbl_lastUpdated = new QLabel(fromStd(getRevisionText(m_state, m_dialogs)), this);
    lbl_lastUpdated->setObjectName("lbl_lastUpdated");
    lblUpdate = new QLabel(this);
    lblUpdate->setObjectName("lblUpdate");
    progressImport = new QProgressBar(this);
    progressImport->setObjectName("progressImport");
    progressImport->setVisible(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(lblInstructions, 0, 0, 1, 2);
    layout->addWidget(Label3, 1, 0, 1, 2);
    layout->addWidget(Dir1, 2, 0);
    layout->addWidget(FilList, 2, 1);
    layout->addWidget(cmdSelect, 3, 1, Qt::AlignRight);
    layout->addWidget(lbl_lastUpdated, 4, 0, 1, 2);
    layout->addWidget(lblUpdate, 5, 0, 1, 2);
    layout->addWidget(progressImport, 6, 0, 1, 2);
    layout->setRowStretch(2, 1);

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
                                      lblUpdate->setText(text);
                                      progressImport->setMaximum(static_cast<int>(total));
                                      progressImport->setValue(static_cast<int>(done));
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
        FormProjDone done(m_state, m_dialogs, this);
        done.exec();
        emit refreshRequested();
        accept();
    }
}

}  // namespace quorvane::gui
