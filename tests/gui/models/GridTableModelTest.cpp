// SPDX-License-Identifier: MIT
#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "gui/models/GridTableModel.h"
#include "gui/room/GridViews.h"

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

    // The matchup grid colours each chance; the standings keep their owners as row headings.
    void aCellsOwnColourComesBeforeItsRowsAndAColumnCanHeadTheRows() {
        GridTableModel model;
        GridTable table;
        table.headings = {"Owner", "PTS", "STL"};
        table.rows = {{"Owner 2", "39.8%", "74.3%"}, {"Owner 3", "12.5%", "50.0%"}};
        table.rowColours = {Rgb{1, 2, 3}, std::nullopt};
        table.cellColours = {{std::nullopt, Rgb{235, 150, 150}, std::nullopt}};
        model.setTable(table);
        const auto colour = [&model](int row, int column) {
            return model.data(model.index(row, column), Qt::BackgroundRole).value<QBrush>().color();
        };
        QCOMPARE(colour(0, 1), QColor(235, 150, 150));
        QCOMPARE(colour(0, 2), QColor(1, 2, 3));
        QVERIFY(!model.data(model.index(1, 1), Qt::BackgroundRole).isValid());
        QCOMPARE(model.headerData(1, Qt::Vertical).toString(), QString("2"));
        model.setRowHeadingColumn(0);
        QCOMPARE(model.headerData(1, Qt::Vertical).toString(), QString("Owner 3"));
        // A row taken out takes its cells' colours along.
        model.removeRowsWhere(
            [](const std::vector<std::string>& row) { return row[0] == "Owner 2"; });
        QVERIFY(!model.data(model.index(0, 1), Qt::BackgroundRole).isValid());
        QCOMPARE(model.headerData(0, Qt::Vertical).toString(), QString("Owner 3"));
    }

    // A list sorted by name holds its longest figure far below the rows in sight.
    void aColumnOfFiguresWidensToItsWidestFigureOutOfSight() {
        GridTableModel model;
        GridTable table;
        table.headings = {"Name", "$"};
        for (int row = 0; row < 300; ++row) {
            table.rows.push_back(
                {"Player " + std::to_string(row), row == 250 ? "-1234.56" : "1.5"});
        }
        model.setTable(table);
        QTableView view;
        view.setModel(&model);
        view.resize(300, 200);
        view.show();
        view.setColumnWidth(1, 20);
        quorvane::gui::growNumberColumnsToWidest(&view, model);
        const QString widest = model.data(model.index(250, 1)).toString();
        QVERIFY(view.columnWidth(1) > view.fontMetrics().horizontalAdvance(widest));
        QCOMPARE(view.columnWidth(0), view.horizontalHeader()->defaultSectionSize());
    }
};

QTEST_MAIN(GridTableModelTest)
#include "GridTableModelTest.moc"
