// SPDX-License-Identifier: MIT
#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include "gui/models/GridTableModel.h"

using quorvane::GridTable;
using quorvane::Rgb;
using quorvane::gui::GridTableModel;

class GridTableModelTest : public QObject {
    Q_OBJECT
  private slots:
    void showsCellsHeadingsAndColours() {
        GridTableModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        GridTable table;
        table.headings = {"playerid", "Name"};
        table.rows = {{"3879", "Harden, James"}, {"4054", "Harris, Tobias"}};
        table.rowColours = {std::nullopt, Rgb{0, 255, 0}};
        model.setTable(table);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("Name"));
        QCOMPARE(model.data(model.index(0, 1)).toString(), QString("Harden, James"));
        QVERIFY(!model.data(model.index(0, 0), Qt::BackgroundRole).isValid());
        QCOMPARE(model.data(model.index(1, 0), Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(0, 255, 0));
    }

    void onlyEditableColumnsAcceptEdits() {
        GridTableModel model;
        GridTable table;
        table.headings = {"playerid", "Notes"};
        table.rows = {{"1", ""}};
        model.setTable(table);
        model.setEditableColumns({1});
        QSignalSpy edited(&model, &GridTableModel::cellEdited);
        QVERIFY(!model.setData(model.index(0, 0), "2"));
        QVERIFY(model.setData(model.index(0, 1), "sleeper pick"));
        QCOMPARE(edited.count(), 1);
        QCOMPARE(model.rowAt(0)->at(1), std::string("sleeper pick"));
    }
};

QTEST_MAIN(GridTableModelTest)
#include "GridTableModelTest.moc"
