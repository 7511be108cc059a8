// SPDX-License-Identifier: MIT
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <fstream>

#include "gui/projections/FormClearEdits.h"
#include "gui/projections/FormEditPlayer.h"
#include "gui/projections/FormEditProjections.h"
#include "gui/projections/FormFindProjections.h"
#include "projections/ProjectionImport.h"
#include "session/ProjectionConversation.h"
#include "support/TestProgram.h"

using namespace quorvane;
using quorvane::test::TestProgram;

namespace {

const std::string kHeader = "playerid,statindicator,yearofprojection,firstname,lastname";

std::string line(int id, const std::string& last, const std::string& pos) {
    return std::to_string(id) + ",P,2019,Al," + last + "," + pos +
           ",BOS,1990-01-02,70,2000,100,80,900,400,300,100,50,250,300,70,30,120,5,1,"
           "2019-10-15,0,0,1,0,0,0,0";
}

void writeFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

void loadThreePlayers(TestProgram& program) {
    const std::string text = kHeader + "\n" + line(1, "Centre", "C") + "\n" +
                             line(2, "Guard", "G") + "\n" + line(3, "Forward", "F") + "\n";
    QVERIFY(importProjectionText(program.state, program.dialogs, text));
}

// Answers the next modal window that has the button with a click on it. It waits for the
// window to appear, since an import keeps processing events (and timers) before it opens.
void clickInNextModal(const QString& button) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, button] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* target = modal != nullptr ? modal->findChild<QPushButton*>(button) : nullptr;
        if (target != nullptr) {
            timer->stop();
            timer->deleteLater();
            target->click();
        }
    });
    timer->start(10);
}

QStringList listedFiles(QListView* list) {
    QStringList names;
    for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row) {
        names << list->model()->index(row, 0, list->rootIndex()).data().toString();
    }
    return names;
}

}  // namespace

class ProjectionFormsTest : public QObject {
    Q_OBJECT
  private slots:
    void doubleClickImportsConfirmsRefreshesAndCloses() {
        TestProgram program;
        writeFile(program.folder.path() / "players.csv",
                  kHeader + "\r\n" + line(7, "O'Brien", "G") + "\r\n" + line(8, "Dunn", "C"));
        writeFile(program.folder.path() / "notes.txt", "not projections");
        gui::FormFindProjections form(program.state, program.dialogs);
        QCOMPARE(form.objectName(), QString("form_findProjections"));
        QCOMPARE(form.findChild<QLabel*>("lbl_lastUpdated")->text(),
                 QString("Projections updated through: "));
        form.setFolder(QString::fromStdString(program.folder.str()));
        form.show();
        auto* files = form.findChild<QListView*>("FilList");
        QTRY_COMPARE(listedFiles(files), QStringList({"players.csv"}));

        QSignalSpy refresh(&form, &gui::FormFindProjections::refreshRequested);
        clickInNextModal("cmd_ok");
        emit files->doubleClicked(files->model()->index(0, 0, files->rootIndex()));
        QCOMPARE(refresh.count(), 1);
        QVERIFY(!form.isVisible());
        QCOMPARE(program.scalar("select count(*) from DraftPlayers where lastname = 'O''Brien'"),
                 1.0);
        QCOMPARE(form.findChild<QLabel*>("lblUpdate")->text(),
                 QString("Projections Update Complete"));
        QCOMPARE(form.findChild<QLabel*>("lbl_lastUpdated")->text(),
                 QString("Projections updated through: 2019-10-15"));
    }

    void selectFileImportsAndStaysOpenWithoutRefresh() {
        TestProgram program;
        writeFile(program.folder.path() / "bad.csv",
                  kHeader + "\n" + line(7, "Ok", "G") + "\n7,P,2019\n");
        writeFile(program.folder.path() / "good.csv", kHeader + "\n" + line(9, "Nine", "F"));
        gui::FormFindProjections form(program.state, program.dialogs);
        form.setFolder(QString::fromStdString(program.folder.str()));
        form.show();
        auto* files = form.findChild<QListView*>("FilList");
        QTRY_COMPARE(listedFiles(files).size(), 2);
        QSignalSpy refresh(&form, &gui::FormFindProjections::refreshRequested);
        auto* select = form.findChild<QPushButton*>("cmdSelect");
        for (int row = 0; row < 2; ++row) {
            files->setCurrentIndex(files->model()->index(row, 0, files->rootIndex()));
            select->click();
        }
        QCOMPARE(refresh.count(), 0);
        QVERIFY(form.isVisible());
        QCOMPARE(program.scalar("select count(*) from DraftPlayers"), 1.0);
        QCOMPARE(program.dialogs.messages.size(), std::size_t{1});
        QVERIFY(program.dialogs.messages[0].text.starts_with("Line 3 of "));
    }

    void positionButtonsFilterTheList() {
        TestProgram program;
        loadThreePlayers(program);
        gui::FormEditProjections form(program.state, program.dialogs);
        auto* grid = form.findChild<QTableView*>("grid_editproj");
        QAbstractItemModelTester tester(grid->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(grid->model()->rowCount(), 3);
        form.findChild<QPushButton*>("cmd_edit_1")->click();
        QCOMPARE(form.editPosIndex(), 1);
        QVERIFY(form.findChild<QPushButton*>("cmd_edit_1")->isChecked());
        QVERIFY(!form.findChild<QPushButton*>("cmd_edit_0")->isChecked());
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(grid->model()->index(0, 1).data().toString(), QString("Centre, Al"));
    }

    void editorSavesValidFiguresAndNamesTheBadOne() {
        TestProgram program;
        loadThreePlayers(program);
        gui::FormEditPlayer editor(program.state, program.dialogs);
        QVERIFY(editor.loadPlayerProjection(2));
        auto* clear = editor.findChild<QPushButton*>("cmd_clear_edits");
        QVERIFY(!clear->isEnabled());
        auto* grid = editor.findChild<QTableView*>("grid_projection");
        QCOMPARE(grid->model()->index(0, 1).data().toString(), QString("Al Guard"));
        QVERIFY(!grid->model()->setData(grid->model()->index(0, 1), "Renamed"));

        QVERIFY(grid->model()->setData(grid->model()->index(0, 5), "12x"));
        editor.findChild<QPushButton*>("cmd_update")->click();
        QCOMPARE(program.dialogs.lastText(), std::string("Projection for FGA is not valid"));
        QCOMPARE(editor.result(), int(QDialog::Rejected));

        QVERIFY(grid->model()->setData(grid->model()->index(0, 5), "1500"));
        editor.findChild<QPushButton*>("cmd_update")->click();
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        QCOMPARE(program.scalar("select fga from DraftPlayers where playerid = 2"), 1500.0);

        gui::FormEditPlayer again(program.state, program.dialogs);
        QVERIFY(again.loadPlayerProjection(2));
        QVERIFY(again.findChild<QPushButton*>("cmd_clear_edits")->isEnabled());
        clickInNextModal("cmd_yes");
        again.findChild<QPushButton*>("cmd_clear_edits")->click();
        QCOMPARE(program.scalar("select count(*) from ProjectionEdits"), 0.0);
        QCOMPARE(program.scalar("select fga from DraftPlayers where playerid = 2"), 1500.0);
        QVERIFY(!again.findChild<QPushButton*>("cmd_clear_edits")->isEnabled());
    }

    void clearAllAsksAndNoKeepsTheEdits() {
        TestProgram program;
        loadThreePlayers(program);
        program.exec("insert into ProjectionEdits (playerid, games) values (1, 5)");
        gui::FormClearAllEdits question(program.state, program.dialogs);
        QCOMPARE(question.windowTitle(), QString("Clear All Edits"));
        QVERIFY(question.findChild<QLabel*>("lbl_message")
                    ->text()
                    .endsWith("\r\nDo you want to clear all of your projection edits?"));
        question.findChild<QPushButton*>("cmd_no")->click();
        QCOMPARE(program.scalar("select count(*) from ProjectionEdits"), 1.0);

        gui::FormEditProjections list(program.state, program.dialogs);
        clickInNextModal("cmd_yes");
        list.findChild<QPushButton*>("cmd_clear_edits")->click();
        QCOMPARE(program.scalar("select count(*) from ProjectionEdits"), 0.0);
    }

    void doubleClickOpensTheEditorAndRefreshesAfterASave() {
        TestProgram program;
        loadThreePlayers(program);
        gui::FormEditProjections form(program.state, program.dialogs);
        QSignalSpy refresh(&form, &gui::FormEditProjections::refreshRequested);
        clickInNextModal("cmd_update");
        auto* grid = form.findChild<QTableView*>("grid_editproj");
        emit grid->doubleClicked(grid->model()->index(2, 0));
        QCOMPARE(refresh.count(), 1);
        QCOMPARE(program.scalar("select count(*) from ProjectionEdits where playerid = 2"), 1.0);
    }
};

QTEST_MAIN(ProjectionFormsTest)
#include "ProjectionFormsTest.moc"
