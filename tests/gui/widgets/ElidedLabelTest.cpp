// SPDX-License-Identifier: MIT
// The banner's label: a line too long for its width first shrinks its font, down to the floor it
// is given, and only then ends in "…" with the whole line in the tooltip.
#include <QFontMetrics>
#include <QTest>

#include "gui/widgets/ElidedLabel.h"

using quorvane::gui::ElidedLabel;

class ElidedLabelTest : public QObject {
    Q_OBJECT
  private slots:
    void aLongLineShrinksBeforeItIsCut() {
        const QString line = QString::fromUtf8(
            "Owner 10 nominates \u00b7 123 to buy \u00b7 inflation +0.8% \u00b7 you $92 left, max "
            "bid $86");
        QFont large;
        large.setPointSizeF(12.0);
        QFont floor = large;
        floor.setPointSizeF(9.0);  // 12 x 0.75
        const int wide = QFontMetrics(large).horizontalAdvance(line);
        const int narrow = QFontMetrics(floor).horizontalAdvance(line);
        QVERIFY(narrow < wide);

        ElidedLabel label;
        label.setFont(large);
        label.setLeastScale(0.75);
        label.setFullText(line, QStringLiteral("Last sale: Pascal Siakam to Owner 11 for $23"));
        label.resize(wide + 4, 30);
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QCOMPARE(label.text(), line);
        QCOMPARE(label.drawnFont().pointSizeF(), 12.0);

        // Between the two widths: a smaller font, every figure still there.
        label.resize((wide + narrow) / 2, 30);
        QCOMPARE(label.text(), line);
        QVERIFY(label.drawnFont().pointSizeF() < 12.0);
        QVERIFY(label.drawnFont().pointSizeF() >= 9.0);
        QCOMPARE(label.toolTip(), QString("Last sale: Pascal Siakam to Owner 11 for $23"));

        // Narrower than the floor allows: cut at the floor, the whole line in the tooltip.
        label.resize(narrow * 2 / 3, 30);
        QCOMPARE(label.drawnFont().pointSizeF(), 9.0);
        QVERIFY(label.text().endsWith(QChar(0x2026)));
        QVERIFY(label.toolTip().startsWith(line + "\n\nLast sale: "));

        // Wide again: the full size comes back.
        label.resize(wide + 4, 30);
        QCOMPARE(label.drawnFont().pointSizeF(), 12.0);
        QCOMPARE(label.text(), line);
    }
};

QTEST_MAIN(ElidedLabelTest)
#include "ElidedLabelTest.moc"
