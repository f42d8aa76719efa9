#include "charts/chart_colours.h"
#include "charts/chart_geometry.h"
#include "charts/chart_tools.h"
#include "charts/charts.h"
#include "doubles/recording_surface.h"

#include "lang/language.h"

#include <QTest>

#include <array>
#include <climits>
#include <cmath>
#include <limits>
#include <memory>

using Kind = RecordingSurface::Kind;

namespace {

const DeviceRect client1280{0, 0, 1280, 1000};

// Rows of angle, red marker, blue marker, red line, blue line.
std::unique_ptr<MeasurementSet> entries(std::initializer_list<std::array<double, 5>> rows)
{
    auto data = std::make_unique<MeasurementSet>();
    int i = 0;
    for (const auto &row : rows) {
        for (int series = 0; series < 5; ++series)
            data->refSeries[series][i] = row[series];
        ++i;
    }
    data->refCount = i;
    return data;
}

// The drawing records after the frame: markers and line segments.
std::vector<RecordingSurface::Record> marksAndLines(const RecordingSurface &surface)
{
    std::vector<RecordingSurface::Record> found;
    int linesSeen = 0;
    for (const auto &record : surface.records()) {
        if (record.kind == Kind::LineTo && ++linesSeen <= 21 + 9)
            continue;
        if (record.kind == Kind::LineTo || record.kind == Kind::RoundRect)
            found.push_back(record);
    }
    return found;
}

} // namespace

class TestReferenceMarksChart : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void scaleLabelsFollowTheMarkers_data();
    void scaleLabelsFollowTheMarkers();
    void zeroLineIsTheOnlyThickRow();
    void screenPlotAndTitle();
    void markersAtZeroAreAbsent();
    void eachEntryDrawsRedThenBlueMarkerThenRedThenBlueLine();
    void linesAreNotBrokenByAngleButByPointsAboveTheSurface();
    void lineValuesBeyondTheScaleDrawOutsideThePlot();
    void paperUsesItsOwnToolsAndPageArea();
    void hugeValuesDrawClampedWithoutWrapping();
    void comparisonIsDrawnBehindDashedAndHollow();
    void comparedLinesAreCutToThePlot_data();
    void comparedLinesAreCutToThePlot();

private:
    ChartTools tools;
};

void TestReferenceMarksChart::initTestCase()
{
    setLanguage(0);
    tools = createChartTools();
}

void TestReferenceMarksChart::scaleLabelsFollowTheMarkers_data()
{
    QTest::addColumn<double>("red");
    QTest::addColumn<double>("blue");
    QTest::addColumn<int>("S");
    QTest::newRow("no entries") << std::nan("") << std::nan("") << 100;
    QTest::newRow("red 349.9 blue -120") << 349.9 << -120.0 << 400;
    QTest::newRow("red 0 blue -250") << 0.0 << -250.0 << 300;
    QTest::newRow("red 250.5") << 250.5 << 0.0 << 300;
}

void TestReferenceMarksChart::scaleLabelsFollowTheMarkers()
{
    QFETCH(double, red);
    QFETCH(double, blue);
    QFETCH(int, S);
    auto data = std::isnan(red) ? std::make_unique<MeasurementSet>()
                                : entries({{10, 1, -1, 0, 0}, {20, red, blue, 0, 0}});
    RecordingSurface surface;
    drawReferenceMarksChart(surface, *data, tools, 1.0, 1.0, ChartMedium::Screen, client1280);

    const QList<QString> texts = surface.texts();
    QCOMPARE(texts.size(), 1 + 21 + 9);
    QCOMPARE(texts.first(), QStringLiteral("Reference marks"));
    for (int k = 0; k <= 20; ++k)
        QCOMPARE(texts.at(1 + k), QString::number(-S + k * S / 10));
}

void TestReferenceMarksChart::zeroLineIsTheOnlyThickRow()
{
    MeasurementSet data;
    RecordingSurface surface;
    drawReferenceMarksChart(surface, data, tools, 1.0, 1.0, ChartMedium::Screen, client1280);

    const auto thick = surface.linesWith(tools.thickBlackPen);
    QCOMPARE(thick.size(), std::size_t(1));
    QCOMPARE(thick[0], (RecordingSurface::Line{54, 717, 1232, 717, tools.thickBlackPen}));
    QCOMPARE(surface.linesWith(tools.thinBlackPen).size(), std::size_t(20 + 9));
    QCOMPARE(surface.recordsOf(Kind::RoundRect).size(), std::size_t(0));
    QCOMPARE(surface.lines().size(), std::size_t(21 + 9));
}

void TestReferenceMarksChart::screenPlotAndTitle()
{
    MeasurementSet data;
    RecordingSurface surface;
    drawReferenceMarksChart(surface, data, tools, 1.0, 1.0, ChartMedium::Screen, client1280);

    const auto fills = surface.recordsOf(Kind::FillRectColour);
    QCOMPARE(fills.size(), std::size_t(1));
    QCOMPARE(fills[0].rect, (DeviceRect{55, 533, 1233, 900}));
    QCOMPARE(fills[0].colour, chartColours.referenceBackground);
    QCOMPARE(fills[0].backgroundMode, BackgroundMode::Opaque);
    const auto title = surface.textRecord(QStringLiteral("Reference marks"));
    QCOMPARE(title.rect, (DeviceRect{55, 500, 1233, 533}));
    QCOMPARE(title.backgroundMode, BackgroundMode::Transparent);
    QCOMPARE(surface.textRecord(QStringLiteral("-100")).rect, (DeviceRect{0, 880, 50, 920}));
    QCOMPARE(surface.textRecord(QStringLiteral("-100")).font, tools.labelFont);
    QCOMPARE(surface.state().backgroundMode, BackgroundMode::Transparent);
    QCOMPARE(surface.state().textColour, chartColours.textColour);
}

void TestReferenceMarksChart::markersAtZeroAreAbsent()
{
    auto data = entries({{0, 0, -250, 0, 0}, {90, 0, 0, 0, 0}, {180, 0, -40, 0, 0}});
    RecordingSurface surface;
    drawReferenceMarksChart(surface, *data, tools, 1.0, 1.0, ChartMedium::Screen, client1280);

    const auto markers = surface.recordsOf(Kind::RoundRect);
    QCOMPARE(markers.size(), std::size_t(2));
    for (const auto &marker : markers) {
        QCOMPARE(marker.pen, tools.blueMarkPen);
        QCOMPARE(marker.brush, tools.blueMarkBrush);
    }
    QCOMPARE(surface.texts().at(1), QStringLiteral("-300"));
}

void TestReferenceMarksChart::eachEntryDrawsRedThenBlueMarkerThenRedThenBlueLine()
{
    auto data = entries({{0, 50, -50, 10, -10}, {90, 60, -60, 20, -20}});
    RecordingSurface surface;
    drawReferenceMarksChart(surface, *data, tools, 1.0, 1.0, ChartMedium::Screen, client1280);

    const auto drawn = marksAndLines(surface);
    QCOMPARE(drawn.size(), std::size_t(2 + 4));
    const Kind kinds[6] = {Kind::RoundRect, Kind::RoundRect, Kind::RoundRect,
                           Kind::RoundRect, Kind::LineTo,    Kind::LineTo};
    const Pen pens[6] = {tools.redMarkPen, tools.blueMarkPen, tools.redMarkPen,
                         tools.blueMarkPen, tools.redLinePen, tools.blueLinePen};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(drawn[i].kind, kinds[i]);
        QCOMPARE(drawn[i].pen, pens[i]);
    }
    QCOMPARE(drawn[0].brush, tools.redMarkBrush);
    QCOMPARE(drawn[1].brush, tools.blueMarkBrush);
    // Red marker 50 of 100: trunc(717 - 1.835 * 50) = 625; radius 3, corners 6 x 6.
    QCOMPARE(drawn[0].rect, (DeviceRect{52, 622, 58, 628}));
    QCOMPARE(drawn[0].ellipseWidth, 6);
    QCOMPARE(drawn[0].ellipseHeight, 6);
}

void TestReferenceMarksChart::linesAreNotBrokenByAngleButByPointsAboveTheSurface()
{
    // 350 -> 10 degrees is joined; the red line at 500 (y < 0 on this surface) is not continued.
    auto data = entries({{350, 0, 0, 10, 10}, {10, 0, 0, 500, 10}, {20, 0, 0, 10, 10}});
    RecordingSurface surface;
    drawReferenceMarksChart(surface, *data, tools, 1.0, 1.0, ChartMedium::Screen, client1280);

    const auto red = surface.linesWith(tools.redLinePen);
    QCOMPARE(red.size(), std::size_t(1));
    QCOMPARE(red[0].x1, 55 + 1145);
    QCOMPARE(red[0].x2, 55 + 32);
    QVERIFY(red[0].y2 < 0);
    QCOMPARE(surface.linesWith(tools.blueLinePen).size(), std::size_t(2));
}

void TestReferenceMarksChart::lineValuesBeyondTheScaleDrawOutsideThePlot()
{
    auto data = entries({{0, 99, -99, 10, 0}, {45, 20, -20, 150, 0}});
    RecordingSurface surface;
    drawReferenceMarksChart(surface, *data, tools, 1.0, 1.0, ChartMedium::Screen, client1280);
    QCOMPARE(surface.texts().last(), QString::fromUtf8(" 360\u00b0"));
    QCOMPARE(surface.texts().at(21), QStringLiteral("100"));
    const auto red = surface.linesWith(tools.redLinePen);
    QCOMPARE(red.size(), std::size_t(1));
    QCOMPARE(red[0].y2, 441);   // trunc(717 - 1.835 * 150), above the plot's top at 533
}

void TestReferenceMarksChart::paperUsesItsOwnToolsAndPageArea()
{
    auto data = entries({{0, 50, -50, 10, -10}, {90, 60, -60, 20, -20}});
    RecordingSurface surface;
    drawReferenceMarksChart(surface, *data, tools, 10.0, 10.0, ChartMedium::Paper, {0, 0, 3, 3});

    QCOMPARE(surface.recordsOf(Kind::FillRectColour)[0].rect, (DeviceRect{311, 1864, 1918, 2812}));
    const auto title = surface.textRecord(QStringLiteral("Reference marks"));
    QCOMPARE(title.rect, (DeviceRect{311, 1785, 1918, 1864}));
    QCOMPARE(title.font.height, -50);
    QCOMPARE(title.font.width, -25);
    QCOMPARE(surface.textRecord(QStringLiteral("0")).font.height, -20);
    QCOMPARE(surface.textRecord(QStringLiteral("0")).font.width, -10);

    const auto lines = surface.lines();
    QCOMPARE(lines[0].pen.width, 2);
    QCOMPARE(lines[10].pen.width, 4);
    const auto drawn = marksAndLines(surface);
    QCOMPARE(drawn[0].pen, (Pen{{192, 0, 0}, 2}));
    QCOMPARE(drawn[1].pen, (Pen{{0, 0, 192}, 2}));
    QCOMPARE(drawn[4].pen, (Pen{{192, 0, 0}, 6}));
    QCOMPARE(drawn[5].pen, (Pen{{0, 0, 192}, 6}));
    QCOMPARE(drawn[0].rect.width(), 14);
    QCOMPARE(drawn[0].ellipseWidth, 14);
    QCOMPARE(drawn[0].brush, tools.redMarkBrush);
}

void TestReferenceMarksChart::hugeValuesDrawClampedWithoutWrapping()
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    auto data = entries({{0, 1e250, -1e250, 1e250, -1e250},
                         {1e250, inf, -inf, -inf, inf},
                         {-inf, -1e250, 1e250, 50, 50},
                         {std::nan(""), std::nan(""), std::nan(""), std::nan(""), 10}});
    RecordingSurface surface;
    drawReferenceMarksChart(surface, *data, tools, 1.0, 1.0, ChartMedium::Screen, client1280);

    QCOMPARE(surface.texts().at(1), QStringLiteral("-2147483700"));
    QCOMPARE(surface.texts().at(21), QStringLiteral("2147483700"));
    const auto markers = surface.recordsOf(Kind::RoundRect);
    QVERIFY(markers.size() >= 6);
    // An infinite red marker at an infinite angle sits in the far corner, not wrapped around.
    QCOMPARE(markers[2].rect, (DeviceRect{INT_MAX - 3, INT_MIN, INT_MAX, INT_MIN + 3}));
    const auto blue = surface.linesWith(tools.blueLinePen);
    QCOMPARE(blue.size(), std::size_t(2));
    QCOMPARE(blue[0].y2, INT_MIN);
}

// Behind the shown entries: the compared lines lighter and dashed, its markers hollow, and the
// scale takes in its markers too. The legend names the reference files.
void TestReferenceMarksChart::comparisonIsDrawnBehindDashedAndHollow()
{
    const auto shown = entries({{0, 50, -20, 10, -10}, {90, 0, 0, 20, -20}});
    const auto other = entries({{0, 950, 0, 30, -30}, {90, 0, -40, 40, -40}});
    RecordingSurface surface;
    drawReferenceMarksChart(surface, *shown, tools, 1.0, 1.0, ChartMedium::Screen, client1280, {},
                            {other.get(), QStringLiteral("a_amp.txt"), QStringLiteral("b_amp.txt"),
                             QStringLiteral("a_ref.txt"), QStringLiteral("b_ref.txt")});
    QVERIFY(surface.texts().contains(QStringLiteral("1000")));
    const auto marks = surface.recordsOf(Kind::RoundRect);
    QCOMPARE(marks.size(), size_t(4));
    QCOMPARE(marks[0].brush, (Brush{BrushStyle::Hollow, chartColours.redMarkFill}));
    QCOMPARE(marks[0].pen, tools.redMarkPen);
    QCOMPARE(marks[1].brush, (Brush{BrushStyle::Hollow, chartColours.blueMarkFill}));
    QCOMPARE(marks[2].brush, tools.redMarkBrush);
    QCOMPARE(marks[3].brush, tools.blueMarkBrush);
    // One segment of each compared line; the red one is the legend's sample as well.
    QCOMPARE(surface.linesWith(Pen{{223, 127, 127}, 2, PenStyle::Dash}).size(), size_t(2));
    QCOMPARE(surface.linesWith(Pen{{127, 127, 223}, 2, PenStyle::Dash}).size(), size_t(1));
    QCOMPARE(surface.texts().mid(surface.texts().size() - 2),
             (QList<QString>{QStringLiteral("a_ref.txt"), QStringLiteral("b_ref.txt")}));
}

void TestReferenceMarksChart::comparedLinesAreCutToThePlot_data()
{
    QTest::addColumn<double>("farAngle");
    QTest::addColumn<double>("lineValue");
    QTest::newRow("angle of a billion degrees") << 1e9 << 0.0;
    QTest::newRow("angle of 7.8e13 degrees") << 7.8e13 << 0.0;
    QTest::newRow("negative angle, line far below") << -1e12 << -1e9;
    QTest::newRow("infinite angle, line infinitely low") << std::numeric_limits<double>::infinity()
                                                         << -std::numeric_limits<double>::infinity();
}

// A compared line towards a far point is cut to the plot in reals, keeping its direction: the
// dashes of the uncut line once took minutes and gigabytes to draw.
void TestReferenceMarksChart::comparedLinesAreCutToThePlot()
{
    QFETCH(double, farAngle);
    QFETCH(double, lineValue);
    const auto shown = entries({{10, 0, 0, 5, 5}});
    const auto other = entries({{farAngle, 0, 0, lineValue, lineValue}, {3, 0, 0, 0, 0}});
    RecordingSurface surface;
    drawReferenceMarksChart(surface, *shown, tools, 1.0, 1.0, ChartMedium::Screen, client1280, {},
                            {other.get(), QStringLiteral("a_amp.txt"), QStringLiteral("b_amp.txt")});
    const ReferenceGeometry g = referenceGeometry(referenceFrame(1, 1, ChartMedium::Screen, client1280),
                                                  ReferenceScale{});
    const auto blue = surface.linesWith(Pen{{127, 127, 223}, 2, PenStyle::Dash});
    QCOMPARE(blue.size(), size_t(1));
    const auto inPlot = [&](int x, int y) {
        return x >= g.plotRect.left && x < g.plotRect.right && y >= g.plotRect.top && y < g.plotRect.bottom;
    };
    QVERIFY(inPlot(blue[0].x1, blue[0].y1));
    QVERIFY(inPlot(blue[0].x2, blue[0].y2));
    QCOMPARE(QPoint(blue[0].x2, blue[0].y2), QPoint(referenceX(g, 3), g.mid));
    if (lineValue == 0.0)
        QCOMPARE(blue[0].y1, g.mid);
}

QTEST_APPLESS_MAIN(TestReferenceMarksChart)
#include "tst_charts_reference.moc"
