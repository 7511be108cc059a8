// SPDX-License-Identifier: MIT
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <fstream>

#include "gui/projections/FormImportTable.h"
#include "projections/ProjectionImport.h"
#include "session/ProjectionConversation.h"
#include "support/TestProgram.h"

using namespace quorvane;
using quorvane::test::TestProgram;

namespace {

const std::string kOwnFile =
    "playerid,statindicator,yearofprojection,firstname,lastname\n"
    "1,P,2019,Ann,Example,G,BOS,1990-01-02,70,2000,100,80,900,400,300,100,50,250,300,70,30,120,"
    "5,1,2019-10-15,0,0,1,0,0,0,0\n";

QString writeTable(const TestProgram& program, const std::string& text) {
    const auto path = program.folder.path() / "site.csv";
    std::ofstream(path, std::ios::binary) << text;
    return QString::fromStdString(path.string());
}

}  // namespace

class FormImportTableTest : public QObject {
    Q_OBJECT
  private slots:
    void previewShowsTheDetectedFieldsAndTheChoicesDriveTheImport() {
        TestProgram program;
        QVERIFY(importProjectionText(program.state, program.dialogs, kOwnFile));
        gui::FormImportTable form(program.state, program.dialogs);
        QCOMPARE(form.objectName(), QString("form_importTable"));
        QVERIFY(!form.findChild<QPushButton*>("cmd_import")->isEnabled());
        QVERIFY(form.loadTable(writeTable(program,
                                          "Player,Team,g,p/g,Minutes Left,ADP\n"
                                          "Ann Example,NYK,61,20.5,9,3.3\n"
                                          "Cy Newman,LAL,12,4.0,1,\n")));
        auto* preview = form.findChild<QTableWidget*>("grid_preview");
        QCOMPARE(preview->columnCount(), 6);
        QCOMPARE(preview->rowCount(), 3);  // the field choices, then two rows
        QCOMPARE(preview->item(1, 0)->text(), QString("Ann Example"));
        auto* points = form.findChild<QComboBox*>("cmb_field_3");
        QCOMPARE(points->currentText(), QString("points"));
        QCOMPARE(form.findChild<QComboBox*>("cmb_field_4")->currentText(), QString("ignore"));
        QCOMPARE(form.findChild<QComboBox*>("cmb_figures")->currentIndex(), 0);  // per game
        QCOMPARE(form.findChild<QLineEdit*>("txt_source")->text(), QString("site"));

        // Read the unknown column as minutes instead: 61 x 9 = 549.
        auto* minutes = form.findChild<QComboBox*>("cmb_field_4");
        minutes->setCurrentIndex(minutes->findText("minutes"));
        form.findChild<QPushButton*>("cmd_dryrun")->click();
        const QString report = form.findChild<QPlainTextEdit*>("txt_report")->toPlainText();
        QVERIFY(report.startsWith("Dry run: nothing was written."));
        QVERIFY(report.contains("Matched: 1"));
        QVERIFY(report.contains("New: 1\n    Cy Newman (line 3)"));
        QCOMPARE(program.scalar("select count(*) from DraftPlayers"), 1.0);
        // Close to nobody, Cy Newman is left out unless the user makes him a new player.
        auto* newcomer = form.findChild<QComboBox*>("cmb_row_0");
        QCOMPARE(newcomer->currentText(), QString("Leave out"));
        newcomer->setCurrentIndex(newcomer->findText("New player"));

        QSignalSpy refresh(&form, &gui::FormImportTable::refreshRequested);
        form.findChild<QPushButton*>("cmd_import")->click();
        QCOMPARE(refresh.count(), 1);
        auto* bar = form.findChild<QProgressBar*>("prg_import");
        QCOMPARE(bar->value(), bar->maximum());
        QCOMPARE(bar->maximum(), 2);
        QCOMPARE(program.scalar("select minutes from DraftPlayers where playerid = 1"), 549.0);
        // 61 x 20.5 = 1250.5 -> 1251 points, no made field goals given: 1251 - 100 - 80 would
        // leave half a field goal, so the free throws the table does not give take the odd point:
        // (1251 - 100 - 81) / 2 = 535, and the points stay 1251.
        QCOMPARE(program.scalar("select fgm from DraftPlayers where playerid = 1"), 535.0);
        QCOMPARE(program.scalar("select ftm from DraftPlayers where playerid = 1"), 81.0);
        QCOMPARE(program.scalar("select count(*) from DraftPlayers where playerid = 20000"), 2.0);
    }

    void aPastedTableIsReviewedRowByRowBeforeItIsImported() {
        TestProgram program;
        QVERIFY(importProjectionText(program.state, program.dialogs,
                                     kOwnFile +
                                         "2,P,2019,Bo,Example,F,NYK,1990-01-02,70,2000,100,80,900,"
                                         "400,300,100,50,250,300,70,30,120,5,1,2019-10-15,0,0,0,"
                                         "0,1,0,0\n"));
        gui::FormImportTable form(program.state, program.dialogs);
        // Copied from a page without its heading line: the columns are numbered, the names and
        // teams recognised from their cells.
        QVERIFY(form.pasteTable(
            "Ann Exampel\tBOS\t61\nCy Newman\tLAL\t12\nBo Exampel\tLAL\t13\nDi New\tMIA\t14\n"));
        QCOMPARE(form.findChild<QLineEdit*>("txt_file")->text(), QString("pasted table"));
        auto* preview = form.findChild<QTableWidget*>("grid_preview");
        QCOMPARE(preview->horizontalHeaderItem(2)->text(), QString("Column 3"));
        QCOMPARE(form.findChild<QComboBox*>("cmb_field_0")->currentText(), QString("name"));
        QCOMPARE(form.findChild<QComboBox*>("cmb_field_1")->currentText(), QString("team"));
        auto* games = form.findChild<QComboBox*>("cmb_field_2");
        games->setCurrentIndex(games->findText("games"));
        form.findChild<QComboBox*>("cmb_figures")->setCurrentIndex(1);

        form.findChild<QPushButton*>("cmd_dryrun")->click();
        auto* review = form.findChild<QTableWidget*>("grid_review");
        auto* tabs = form.findChild<QTabWidget*>("tab_results");
        QCOMPARE(review->rowCount(), 4);
        QCOMPARE(tabs->tabText(1), QString("Rows to Re&view (4)"));
        QCOMPARE(review->item(0, 0)->text(), QString("Ann Exampel (line 1)"));
        // A misspelt name of a player of the row's team is that player at first; a name close
        // to a player of another team, or to nobody, is left out until the user says more.
        auto* first = form.findChild<QComboBox*>("cmb_row_0");
        QCOMPARE(first->currentText(), QString("Ann Example (1, BOS)"));
        QCOMPARE(first->itemText(0), QString("New player"));
        QCOMPARE(form.findChild<QComboBox*>("cmb_row_1")->currentText(), QString("Leave out"));
        auto* otherTeam = form.findChild<QComboBox*>("cmb_row_2");
        QCOMPARE(otherTeam->currentText(), QString("Leave out"));
        QVERIFY(otherTeam->findText("Bo Example (2, NYK)") > 0);
        auto* newcomer = form.findChild<QComboBox*>("cmb_row_3");
        newcomer->setCurrentIndex(newcomer->findText("New player"));

        form.findChild<QPushButton*>("cmd_import")->click();
        QVERIFY(program.dialogs.questions.empty());
        QCOMPARE(program.scalar("select games from DraftPlayers where playerid = 1"), 61.0);
        QCOMPARE(program.scalar("select games from DraftPlayers where playerid = 2"), 70.0);
        QCOMPARE(program.scalar("select count(*) from draftAdded"), 1.0);
        QCOMPARE(program.scalar("select count(*) from draftAdded where lastname = 'New'"), 1.0);
        // Nothing is left to review, and the tab says so.
        QCOMPARE(review->rowCount(), 0);
        QCOMPARE(tabs->tabText(1), QString("Rows to Re&view"));
    }

    // Alt+V reaches the rows to review; the arrows walk them, Space opens a row's choice and a
    // choice made hands the keyboard back to the list.
    void theRowsToReviewAreWorkedFromTheKeyboard() {
        TestProgram program;
        QVERIFY(importProjectionText(program.state, program.dialogs, kOwnFile));
        gui::FormImportTable form(program.state, program.dialogs);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QVERIFY(form.pasteTable("Ann Exampel\tBOS\t61\nAnn Exampl\tBOS\t12\n"));
        form.findChild<QPushButton*>("cmd_dryrun")->click();
        auto* review = form.findChild<QTableWidget*>("grid_review");
        QCOMPARE(review->rowCount(), 2);
        QTest::keyClick(&form, Qt::Key_V, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(review));
        QCOMPARE(review->currentRow(), 0);
        QTest::keyClick(review, Qt::Key_Down);
        QCOMPARE(review->currentRow(), 1);
        auto* second = form.findChild<QComboBox*>("cmb_row_1");
        const int before = second->currentIndex();
        QTest::keyClick(review, Qt::Key_Space);
        QTRY_VERIFY(second->view()->isVisible());
        QTest::keyClick(second->view(), before + 1 < second->count() ? Qt::Key_Down : Qt::Key_Up);
        QTest::keyClick(second->view(), Qt::Key_Return);
        QTRY_VERIFY(!second->view()->isVisible());
        QVERIFY(second->currentIndex() != before);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(review));
    }

    void mostRowsNewAsksBeforeCreatingThem() {
        TestProgram program;
        QVERIFY(importProjectionText(program.state, program.dialogs, kOwnFile));
        gui::FormImportTable form(program.state, program.dialogs);
        QVERIFY(form.loadTable(writeTable(program, "Player,G\nZed Alpha,10\nYan Beta,12\n")));
        form.findChild<QPushButton*>("cmd_import")->click();
        QCOMPARE(program.dialogs.questions.size(), std::size_t{1});
        QCOMPARE(program.dialogs.questions[0].text,
                 std::string("2 of the 2 players of the table match nobody: the name column or "
                             "the season may be wrong. Create 2 new players?"));
        QCOMPARE(program.scalar("select count(*) from draftAdded"), 0.0);
        program.dialogs.answers.push_back(true);
        form.findChild<QPushButton*>("cmd_import")->click();
        QCOMPARE(program.scalar("select count(*) from draftAdded"), 2.0);
    }

    void anUnreadableFileLeavesTheWindowAsItWas() {
        TestProgram program;
        gui::FormImportTable form(program.state, program.dialogs);
        QVERIFY(!form.loadTable(QString::fromStdString(program.folder.str() + "/none.csv")));
        QVERIFY(!form.findChild<QPushButton*>("cmd_dryrun")->isEnabled());
        QCOMPARE(program.dialogs.lastText(),
                 "The file " + program.folder.str() + "/none.csv could not be opened");
    }
};

QTEST_MAIN(FormImportTableTest)
#include "FormImportTableTest.moc"
