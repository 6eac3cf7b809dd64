// Where controls go when their fonts need more room than they were drawn with.

#include "ui/qt/layout.h"

#include <QTest>

using hinomori::ui::layout::Control;
using hinomori::ui::layout::place;

Q_DECLARE_METATYPE(QList<Control>)

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void grownControlsKeepTheirGaps_data();
    void grownControlsKeepTheirGaps();
};

void TestLayout::grownControlsKeepTheirGaps_data()
{
    QTest::addColumn<QList<Control>>("controls");
    QTest::addColumn<QList<QRect>>("placed");
    QTest::addColumn<QSize>("area");

    // A row of a label and a box, a centred label under it, in 100 × 60: the
    // smallest margins are 20 on the right and 10 at the bottom.
    const QRect label(10, 12, 20, 10);
    const QRect box(40, 10, 30, 14);
    const QRect note(20, 40, 60, 10);
    const auto row = [&](QSize labelNeeds, QSize boxNeeds, QSize noteNeeds) {
        return QList<Control>{{label, labelNeeds, false}, {box, boxNeeds, false}, {note, noteNeeds, true}};
    };
    const QSize area(100, 60);

    QTest::newRow("everything fits: as drawn") << row({20, 10}, {30, 14}, {50, 8})
                                               << QList<QRect>{label, box, note} << area;
    QTest::newRow("wider label: its row-mate keeps the gap")
        << row({25, 10}, {30, 14}, {60, 10}) << QList<QRect>{{10, 12, 25, 10}, {45, 10, 30, 14}, note} << area;
    QTest::newRow("taller box: grows about its middle, what is below moves down")
        << row({20, 10}, {30, 20}, {60, 10}) << QList<QRect>{label, {40, 7, 30, 20}, {20, 43, 60, 10}}
        << QSize(100, 63);
    QTest::newRow("wider centred label: grows on both sides, the area keeps its margins")
        << row({20, 10}, {30, 14}, {70, 10}) << QList<QRect>{label, box, {20, 40, 70, 10}} << QSize(110, 60);
    QTest::newRow("centred label wider than the area: the area grows, the label stays centred")
        << row({20, 10}, {30, 14}, {110, 10}) << QList<QRect>{label, box, {20, 40, 110, 10}} << QSize(150, 60);
    QTest::newRow("row pushed past the margin: the area grows, the centred label stays centred")
        << row({60, 10}, {30, 14}, {60, 10}) << QList<QRect>{{10, 12, 60, 10}, {80, 10, 30, 14}, {35, 40, 60, 10}}
        << QSize(130, 60);
}

void TestLayout::grownControlsKeepTheirGaps()
{
    QFETCH(QList<Control>, controls);
    QFETCH(QList<QRect>, placed);
    QFETCH(QSize, area);

    const auto placement = place(controls, QSize(100, 60));
    QCOMPARE(placement.controls, placed);
    QCOMPARE(placement.area, area);
}

QTEST_APPLESS_MAIN(TestLayout)
#include "tst_layout.moc"
