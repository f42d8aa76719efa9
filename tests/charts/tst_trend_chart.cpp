#include "charts/chart_colours.h"
#include "charts/chart_tools.h"
#include "charts/trend_chart.h"
#include "doubles/recording_surface.h"

#include <QTest>

#include <limits>

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
// The plot of a 1280 x 1000 client area runs from (55, 33) to (1233, 967): 1178 x 934 units.
const DeviceRect clientArea{0, 0, 1280, 1000};

TrendPoint point(double min1, double max1, double min2, double max2)
{
    TrendPoint p;
    p.count = 10;
    p.minimum[0] = min1;
    p.maximum[0] = max1;
    p.minimum[1] = min2;
    p.maximum[1] = max2;
    return p;
}

} // namespace

class TestTrendChart : public QObject {
    Q_OBJECT

private slots:
    void columnsGetBarsAndLabelsThatFit_data();
    void columnsGetBarsAndLabelsThatFit();
    void percentsStayOnTheScale_data();
    void percentsStayOnTheScale();
    void columnsHitTestBackToTheirIndex();
    void tinyAreaHasNoColumnToHit();
    void marksOnlyExtremesOutsideTheLines();
};

void TestTrendChart::columnsGetBarsAndLabelsThatFit_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("barWidth");
    QTest::addColumn<int>("labelStep");
    QTest::newRow("none") << 0 << 1 << 1;
    QTest::newRow("one: the widest bar") << 1 << 8 << 1;
    QTest::newRow("ten: every one numbered") << 10 << 8 << 1;
    QTest::newRow("a hundred: 11.78 units each") << 100 << 3 << 5;
    QTest::newRow("ten thousand: a band") << 10000 << 1 << 500;
    QTest::newRow("more than an int of tens") << (1 << 30) << 1 << 50000000;
}

void TestTrendChart::columnsGetBarsAndLabelsThatFit()
{
    QFETCH(int, count);
    QFETCH(int, barWidth);
    QFETCH(int, labelStep);
    const TrendGeometry g = trendGeometry(clientArea, count);
    QCOMPARE(g.plotRect, (DeviceRect{55, 33, 1233, 967}));
    QCOMPARE(g.barWidth, barWidth);
    QCOMPARE(g.labelStep, labelStep);
}

void TestTrendChart::percentsStayOnTheScale_data()
{
    QTest::addColumn<double>("percent");
    QTest::addColumn<int>("y");
    QTest::newRow("0 % at the bottom") << 0.0 << 967;
    QTest::newRow("90 %") << 90.0 << 266;   // 967 - 90 * 934 / 120 = 266.5, cut
    QTest::newRow("120 % at the top") << 120.0 << 33;
    QTest::newRow("past the top") << 150.0 << 33;
    QTest::newRow("infinite") << inf << 33;
    QTest::newRow("below zero") << -5.0 << 967;
    QTest::newRow("minus infinite") << -inf << 967;
}

void TestTrendChart::percentsStayOnTheScale()
{
    QFETCH(double, percent);
    QFETCH(int, y);
    QCOMPARE(trendY(trendGeometry(clientArea, 3), percent), y);
}

// Clicking a column's centre opens that measurement, for one column or one a unit wide.
void TestTrendChart::columnsHitTestBackToTheirIndex()
{
    for (const int count : {1, 7, 1178}) {
        const TrendGeometry g = trendGeometry(clientArea, count);
        for (int index = 0; index < count; ++index)
            QCOMPARE(trendIndexAt(g, trendX(g, index)), index);
        QCOMPARE(trendIndexAt(g, g.plotRect.left - 1), -1);
        QCOMPARE(trendIndexAt(g, g.plotRect.right - 1), count - 1);
        QCOMPARE(trendIndexAt(g, g.plotRect.right), -1);
    }
    QCOMPARE(trendIndexAt(trendGeometry(clientArea, 0), 600), -1);
}

void TestTrendChart::tinyAreaHasNoColumnToHit()
{
    const TrendGeometry g = trendGeometry({0, 0, 1, 1}, 5);
    QVERIFY(g.plotRect.width() >= 0 && g.plotRect.height() >= 0);
    QCOMPARE(trendIndexAt(g, g.plotRect.left), -1);
    RecordingSurface surface;
    drawTrendChart(surface, std::vector<TrendPoint>(5, point(10, 95, 10, 95)), QString(), createChartTools(), {0, 0, 1, 1});
    QCOMPARE(surface.recordsOf(RecordingSurface::Kind::RoundRect).size(), size_t(20));
}

// A value on a line is inside; an empty measurement has neither bar nor marker; each extreme
// outside gets its marker at its own bar, an infinite one on the plot's edge.
void TestTrendChart::marksOnlyExtremesOutsideTheLines()
{
    const std::vector<TrendPoint> points{point(30, 90, 30, 90), point(40, 95, 40, 60), TrendPoint{},
                                         point(50, 60, 10, inf)};
    const TrendGeometry g = trendGeometry(clientArea, 4);
    RecordingSurface surface;
    const ChartTools tools = createChartTools();
    drawTrendChart(surface, points, QStringLiteral("a \u2026 d (4)"), tools, clientArea);

    const auto marker = [&](int index, int curve, double percent) {
        const DeviceRect bar = trendBar(g, index, curve, points[size_t(index)]);
        return markerRect(bar.left + bar.width() / 2, trendY(g, percent), g.markerRadius);
    };
    std::vector<DeviceRect> markers;
    for (const RecordingSurface::Record &record : surface.recordsOf(RecordingSurface::Kind::RoundRect)) {
        QCOMPARE(record.brush, tools.redMarkBrush);
        markers.push_back(record.rect);
    }
    QCOMPARE(markers, (std::vector<DeviceRect>{marker(1, 0, 95), marker(3, 1, inf), marker(3, 1, 10)}));
    QCOMPARE(markers[1].top, 33 - g.markerRadius);

    int bars = 0;
    for (const RecordingSurface::Record &record : surface.recordsOf(RecordingSurface::Kind::FillRectColour))
        bars += record.colour == chartPenColours.whiteCurve || record.colour == chartPenColours.yellowCurve;
    QCOMPARE(bars, 6);
    QCOMPARE(trendBar(g, 0, 0, points[0]), (DeviceRect{trendX(g, 0) - 8, trendY(g, 90), trendX(g, 0), trendY(g, 30) + 1}));
    QCOMPARE(trendBar(g, 0, 1, points[0]).left, trendX(g, 0));
    // The limit lines in their pen, and the columns numbered from 1.
    QCOMPARE(surface.linesWith(tools.limitPen).size(), size_t(2));
    QCOMPARE(surface.linesWith(tools.limitPen)[0].y1, 967 + int(3 * (33 - 967) / 12.0));
    const QList<QString> texts = surface.texts();
    QCOMPARE(texts.first(), QStringLiteral("a \u2026 d (4)"));
    QCOMPARE(texts.mid(texts.size() - 4), (QList<QString>{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}));
}

QTEST_MAIN(TestTrendChart)
#include "tst_trend_chart.moc"
