#include "charts/angle_range.h"

#include <QTest>

#include <cmath>

class TestAngleRange : public QObject {
    Q_OBJECT

private slots:
    void ticksSuitTheRange_data();
    void ticksSuitTheRange();
    void changesStayInsideOneRevolution_data();
    void changesStayInsideOneRevolution();
    void segmentsAreCutToThePlot_data();
    void segmentsAreCutToThePlot();
};

void TestAngleRange::ticksSuitTheRange_data()
{
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("last");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("ticksShown");   // first tick|last tick|how many
    QTest::newRow("full view") << 0.0 << 360.0 << 45.0 << 0 << " 0°| 360°|9";
    QTest::newRow("half") << 90.0 << 270.0 << 15.0 << 0 << " 90°| 270°|13";
    QTest::newRow("30 degrees") << 10.0 << 40.0 << 5.0 << 0 << " 10°| 40°|7";
    QTest::newRow("210 to 225") << 210.0 << 225.0 << 2.0 << 0 << " 210°| 224°|8";
    QTest::newRow("10 degrees") << 3.5 << 13.5 << 1.0 << 0 << " 4°| 13°|10";
    QTest::newRow("one degree") << 100.0 << 101.0 << 0.1 << 1 << " 100.0°| 101.0°|11";
    QTest::newRow("narrowest") << 217.0 << 217.01 << 0.001 << 3 << " 217.000°| 217.010°|11";
}

void TestAngleRange::ticksSuitTheRange()
{
    QFETCH(double, first);
    QFETCH(double, last);
    QFETCH(double, step);
    QFETCH(int, decimals);
    QFETCH(QString, ticksShown);
    const QStringList labels = ticksShown.split(QLatin1Char('|'));
    const AngleRange range{first, last};
    const AngleTicks ticks = angleTicks(range);
    QCOMPARE(ticks.step, step);
    QCOMPARE(ticks.decimals, decimals);
    const QList<double> angles = tickAngles(range, ticks);
    QCOMPARE(degreeLabel(angles.first(), decimals), labels[0]);
    QCOMPARE(degreeLabel(angles.last(), decimals), labels[1]);
    QCOMPARE(QString::number(angles.size()), labels[2]);
}

void TestAngleRange::changesStayInsideOneRevolution_data()
{
    QTest::addColumn<QString>("change");   // zoom FACTOR ANCHOR, pan DEGREES, select FROM TO
    QTest::addColumn<double>("first");     // from the range first..last, 0..360 unless given
    QTest::addColumn<double>("last");
    QTest::addColumn<double>("newFirst");
    QTest::addColumn<double>("newLast");
    QTest::newRow("zoom in at the centre") << "zoom 0.5 180" << 0.0 << 360.0 << 90.0 << 270.0;
    QTest::newRow("anchor keeps its place") << "zoom 0.5 90" << 0.0 << 360.0 << 45.0 << 225.0;
    QTest::newRow("zoom at 0 stays at 0") << "zoom 0.5 0" << 0.0 << 360.0 << 0.0 << 180.0;
    QTest::newRow("zoom out past the full view") << "zoom 4 200" << 90.0 << 270.0 << 0.0 << 360.0;
    QTest::newRow("zoom out at the edge moves in") << "zoom 2 350" << 300.0 << 360.0 << 240.0 << 360.0;
    QTest::newRow("no narrower than 0.01") << "zoom 0.001 217" << 216.0 << 218.0 << 216.995 << 217.005;
    QTest::newRow("pan stops at 0") << "pan -50" << 20.0 << 40.0 << 0.0 << 20.0;
    QTest::newRow("pan stops at 360") << "pan 500" << 20.0 << 40.0 << 340.0 << 360.0;
    QTest::newRow("select backwards") << "select 225 210" << 0.0 << 360.0 << 210.0 << 225.0;
    QTest::newRow("select past the end") << "select 350 400" << 0.0 << 360.0 << 350.0 << 360.0;
    QTest::newRow("select a click") << "select 360 360" << 0.0 << 360.0 << 359.99 << 360.0;
}

void TestAngleRange::changesStayInsideOneRevolution()
{
    QFETCH(QString, change);
    QFETCH(double, first);
    QFETCH(double, last);
    QFETCH(double, newFirst);
    QFETCH(double, newLast);
    const QStringList words = change.split(QLatin1Char(' '));
    const AngleRange range{first, last};
    AngleRange changed;
    if (words[0] == QLatin1String("zoom"))
        changed = zoomedRange(range, words[1].toDouble(), words[2].toDouble());
    else if (words[0] == QLatin1String("pan"))
        changed = pannedRange(range, words[1].toDouble());
    else
        changed = rangeBetween(words[1].toDouble(), words[2].toDouble());
    QVERIFY2(std::abs(changed.first - newFirst) < 1e-9, qPrintable(QString::number(changed.first)));
    QVERIFY2(std::abs(changed.last - newLast) < 1e-9, qPrintable(QString::number(changed.last)));
    QCOMPARE(changed.isFull(), newFirst == 0.0 && newLast == 360.0);
}

void TestAngleRange::segmentsAreCutToThePlot_data()
{
    QTest::addColumn<QList<double>>("segment");   // x1 y1 x2 y2
    QTest::addColumn<QList<double>>("cut");       // empty: nothing inside
    const QList<double> none;
    QTest::newRow("inside") << QList<double>{10.5, 10, 50, 60.25} << QList<double>{10.5, 10, 50, 60.25};
    QTest::newRow("across the left edge") << QList<double>{-100, 50, 100, 50} << QList<double>{0, 50, 100, 50};
    QTest::newRow("far outside both sides") << QList<double>{-2147483648.0, 20, 2147483647.0, 20}
                                            << QList<double>{0, 20, 199, 20};
    // The direction of the line through a far point is kept, not that of a rounded one.
    QTest::newRow("towards a far point") << QList<double>{100, 0, 2100000100, 1000000000}
                                         << QList<double>{100, 0, 199, 99 / 2.1};
    QTest::newRow("left of the plot") << QList<double>{-50, 10, -10, 90} << none;
    QTest::newRow("above the plot") << QList<double>{10, -5, 90, -1} << none;
}

void TestAngleRange::segmentsAreCutToThePlot()
{
    QFETCH(QList<double>, segment);
    QFETCH(QList<double>, cut);
    const DeviceRect plot{0, 0, 200, 100};
    QPointF from(segment[0], segment[1]);
    QPointF to(segment[2], segment[3]);
    const bool inside = clipSegment(plot, from, to);
    QCOMPARE(inside, !cut.isEmpty());
    if (inside) {
        QCOMPARE(from, QPointF(cut[0], cut[1]));
        QCOMPARE(to, QPointF(cut[2], cut[3]));
    }
}

QTEST_GUILESS_MAIN(TestAngleRange)
#include "tst_angle_range.moc"
