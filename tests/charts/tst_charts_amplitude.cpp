#include "charts/chart_colours.h"
#include "charts/chart_geometry.h"
#include "charts/chart_tools.h"
#include "charts/charts.h"
#include "doubles/recording_surface.h"

#include "lang/language.h"

#include <QTest>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>

using Kind = RecordingSurface::Kind;

namespace {

const DeviceRect client1280{0, 0, 1280, 1000};

std::unique_ptr<MeasurementSet> samples(std::initializer_list<std::array<double, 3>> rows)
{
    auto data = std::make_unique<MeasurementSet>();
    int i = 0;
    for (const auto &row : rows) {
        for (int series = 0; series < 3; ++series)
            data->ampSeries[series][i] = row[series];
        ++i;
    }
    data->ampCount = i;
    return data;
}

} // namespace

class TestAmplitudeChart : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void emptySetDrawsFrameWithoutCurves();
    void screenFrameUsesTheWindowTools();
    void paperUsesItsOwnToolsAndPageArea();
    void singleSampleDrawsNoSegment();
    void wrapFrom359To0BreaksTheCurves();
    void ninetyDegreesApartIsNotJoined();
    void whiteSegmentPrecedesYellowAtEverySample();
    void pointAboveTheSurfaceBreaksTheCurve();
    void hugeValuesDrawClampedWithoutWrapping();
    void leavesTransparentModeAndTextColour();
    void comparisonIsDrawnBehindWithALegend();

private:
    ChartTools tools;
};

void TestAmplitudeChart::initTestCase()
{
    setLanguage(0);
    tools = createChartTools();
}

void TestAmplitudeChart::emptySetDrawsFrameWithoutCurves()
{
    RecordingSurface surface;
    MeasurementSet data;
    drawAmplitudeChart(surface, data, tools, 1.0, 1.0, ChartMedium::Screen, client1280);

    QCOMPARE(surface.lines().size(), std::size_t(13 + 9));
    QCOMPARE(surface.linesWith(tools.whiteCurvePen).size(), std::size_t(0));
    QCOMPARE(surface.linesWith(tools.yellowCurvePen).size(), std::size_t(0));
    const QList<QString> texts = surface.texts();
    QCOMPARE(texts.size(), 1 + 13 + 9);
    QCOMPARE(texts.first(), QStringLiteral("Amplitude"));
    QCOMPARE(texts.at(1), QStringLiteral("0%"));
    QCOMPARE(texts.at(13), QStringLiteral("120%"));
    QCOMPARE(texts.at(14), QString::fromUtf8(" 0\u00b0"));
    QCOMPARE(texts.last(), QString::fromUtf8(" 360\u00b0"));
}

void TestAmplitudeChart::screenFrameUsesTheWindowTools()
{
    RecordingSurface surface;
    MeasurementSet data;
    drawAmplitudeChart(surface, data, tools, 1.0, 1.0, ChartMedium::Screen, client1280);

    const auto title = surface.textRecord(QStringLiteral("Amplitude"));
    QCOMPARE(title.rect, (DeviceRect{55, 0, 1233, 33}));
    QCOMPARE(title.align, TextAlign::Left);
    QCOMPARE(title.font.height, -20);
    QCOMPARE(title.font.width, -10);
    QCOMPARE(title.backgroundMode, BackgroundMode::Transparent);

    const auto fills = surface.recordsOf(Kind::FillRectColour);
    QCOMPARE(fills.size(), std::size_t(1));
    QCOMPARE(fills[0].rect, (DeviceRect{55, 33, 1233, 450}));
    QCOMPARE(fills[0].colour, chartColours.bandDark);
    const auto bands = surface.recordsOf(Kind::FillRectBrush);
    QCOMPARE(bands.size(), std::size_t(2));
    QCOMPARE(bands[0].rect, (DeviceRect{55, 33, 1233, 102}));
    QCOMPARE(bands[1].rect, (DeviceRect{55, 346, 1233, 450}));
    for (const auto &band : bands) {
        QCOMPARE(band.fillBrush, tools.screenBandBrush);
        QCOMPARE(band.backgroundMode, BackgroundMode::Opaque);
        QCOMPARE(band.backgroundColour, chartColours.bandDark);
    }

    // 30 % and 90 % in green, the other eleven rows thin black.
    const auto limits = surface.linesWith(tools.limitPen);
    QCOMPARE(limits.size(), std::size_t(2));
    QCOMPARE(limits[0], (RecordingSurface::Line{54, 346, 1232, 346, tools.limitPen}));
    QCOMPARE(limits[1].y1, 138);
    const auto thin = surface.linesWith(tools.thinBlackPen);
    QCOMPARE(thin.size(), std::size_t(11 + 9));
    QCOMPARE(thin.back(), (RecordingSurface::Line{1233, 33, 1233, 451, tools.thinBlackPen}));

    const auto label = surface.textRecord(QStringLiteral("40%"));
    QCOMPARE(label.rect, (DeviceRect{0, 291, 50, 331}));
    QCOMPARE(label.align, TextAlign::Right);
    QCOMPARE(label.font, tools.labelFont);
    const auto degrees = surface.textRecord(QString::fromUtf8(" 45\u00b0"));
    QCOMPARE(degrees.rect, (DeviceRect{187, 451, 217, 466}));
    QCOMPARE(degrees.align, TextAlign::Centre);
}

void TestAmplitudeChart::paperUsesItsOwnToolsAndPageArea()
{
    RecordingSurface surface;
    auto data = samples({{0, 50, 60}, {10, 50, 60}});
    drawAmplitudeChart(surface, *data, tools, 10.0, 10.0, ChartMedium::Paper, {0, 0, 7, 7});

    const auto fills = surface.recordsOf(Kind::FillRectColour);
    QCOMPARE(fills[0].rect, (DeviceRect{311, 727, 1918, 1694}));
    QCOMPARE(fills[0].colour, chartColours.bandLight);
    const auto bands = surface.recordsOf(Kind::FillRectBrush);
    QCOMPARE(bands[0].rect, (DeviceRect{311, 727, 1918, 888}));
    QCOMPARE(bands[1].rect, (DeviceRect{311, 1453, 1918, 1694}));
    QCOMPARE(bands[0].fillBrush, tools.printBandBrush);
    QCOMPARE(bands[0].backgroundColour, chartColours.bandLight);

    const QList<int> rows = {1694, 1614, 1533, 1453, 1372, 1292, 1211,
                             1130, 1050, 969,  889,  808,  727};
    const auto lines = surface.lines();
    for (int k = 0; k <= 12; ++k) {
        QCOMPARE(lines[k].y1, rows[k]);
        QCOMPARE(lines[k].pen.width, (k == 3 || k == 9) ? 5 : 2);
    }
    // Degree lines stay the window's hairline on paper.
    QCOMPARE(lines[13].pen, tools.thinBlackPen);

    QCOMPARE(surface.textRecord(QStringLiteral("Amplitude")).font.height, -50);
    QCOMPARE(surface.textRecord(QStringLiteral("Amplitude")).font.width, -25);
    QCOMPARE(surface.textRecord(QStringLiteral("0%")).font.height, -20);
    QCOMPARE(surface.textRecord(QStringLiteral("0%")).font.width, -10);
    const auto curves = std::vector(lines.begin() + 22, lines.end());
    QCOMPARE(curves.size(), std::size_t(2));
    QCOMPARE(curves[0].pen, (Pen{{255, 255, 255}, 6}));
    QCOMPARE(curves[1].pen, (Pen{{224, 224, 32}, 6}));
}

void TestAmplitudeChart::singleSampleDrawsNoSegment()
{
    RecordingSurface surface;
    auto data = samples({{10, 50, 60}});
    drawAmplitudeChart(surface, *data, tools, 1.0, 1.0, ChartMedium::Screen, client1280);
    QCOMPARE(surface.lines().size(), std::size_t(22));
}

void TestAmplitudeChart::wrapFrom359To0BreaksTheCurves()
{
    auto data = std::make_unique<MeasurementSet>();
    for (int i = 0; i < 720; ++i) {
        data->ampSeries[0][i] = i % 360;
        data->ampSeries[1][i] = 40 + i % 7;
        data->ampSeries[2][i] = 60 - i % 5;
    }
    data->ampCount = 720;
    RecordingSurface surface;
    drawAmplitudeChart(surface, *data, tools, 1.0, 1.0, ChartMedium::Screen, client1280);

    const auto white = surface.linesWith(tools.whiteCurvePen);
    const auto yellow = surface.linesWith(tools.yellowCurvePen);
    QCOMPARE(white.size(), std::size_t(2 * 359));
    QCOMPARE(yellow.size(), std::size_t(2 * 359));
    for (const auto &line : white)
        QVERIFY2(std::abs(line.x2 - line.x1) <= 4, "a segment crosses the chart");
}

void TestAmplitudeChart::ninetyDegreesApartIsNotJoined()
{
    // On 1280 x 1000, 0 and 90 degrees lie at x = 55 and 349: exactly the 294 units of 90
    // degrees, so they are not joined; 89.5 degrees lies at 347 and is.
    auto apart = samples({{0, 50, 60}, {90, 50, 60}});
    RecordingSurface surface;
    drawAmplitudeChart(surface, *apart, tools, 1.0, 1.0, ChartMedium::Screen, client1280);
    QCOMPARE(surface.linesWith(tools.whiteCurvePen).size(), std::size_t(0));
    QCOMPARE(surface.linesWith(tools.yellowCurvePen).size(), std::size_t(0));

    auto closer = samples({{0, 50, 60}, {89.5, 50, 60}});
    RecordingSurface joined;
    drawAmplitudeChart(joined, *closer, tools, 1.0, 1.0, ChartMedium::Screen, client1280);
    QCOMPARE(joined.linesWith(tools.whiteCurvePen).size(), std::size_t(1));
    QCOMPARE(joined.linesWith(tools.yellowCurvePen).size(), std::size_t(1));
}

void TestAmplitudeChart::whiteSegmentPrecedesYellowAtEverySample()
{
    auto data = samples({{0, 10, 90}, {5, 90, 10}, {10, 10, 90}, {15, 90, 10}});
    RecordingSurface surface;
    drawAmplitudeChart(surface, *data, tools, 1.0, 1.0, ChartMedium::Screen, client1280);

    const auto lines = surface.lines();
    const auto curves = std::vector(lines.begin() + 22, lines.end());
    QCOMPARE(curves.size(), std::size_t(6));
    for (std::size_t i = 0; i < curves.size(); ++i)
        QCOMPARE(curves[i].pen, i % 2 == 0 ? tools.whiteCurvePen : tools.yellowCurvePen);
    // y = trunc(450 - v * 417 / 120): 10 % at 415, 90 % at 137; 5 degrees at x = 71.
    QCOMPARE(curves[0], (RecordingSurface::Line{55, 415, 71, 137, tools.whiteCurvePen}));
    QCOMPARE(curves[1], (RecordingSurface::Line{55, 137, 71, 415, tools.yellowCurvePen}));
}

void TestAmplitudeChart::pointAboveTheSurfaceBreaksTheCurve()
{
    // 150 % lies above the plot and, on this client area, above the surface (y = -71).
    auto data = samples({{0, 50, 50}, {10, 150, 50}, {20, 50, 50}, {30, 50, 50}});
    RecordingSurface surface;
    drawAmplitudeChart(surface, *data, tools, 1.0, 1.0, ChartMedium::Screen, client1280);

    const auto white = surface.linesWith(tools.whiteCurvePen);
    QCOMPARE(white.size(), std::size_t(2));
    QCOMPARE(white[0].y2, -71);
    QCOMPARE(white[1].x1, 120);
    QCOMPARE(surface.linesWith(tools.yellowCurvePen).size(), std::size_t(3));
}

void TestAmplitudeChart::hugeValuesDrawClampedWithoutWrapping()
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    auto data = samples({{0, 50, 50},
                         {1, 1e250, -1e250},
                         {2, -1e250, 1e250},
                         {3, inf, -inf},
                         {4, -inf, inf},
                         {5, std::nan(""), 50},
                         {1e250, 50, 50},
                         {-1e250, 50, 50},
                         {inf, 50, 50},
                         {6, 50, 50}});
    RecordingSurface surface;
    drawAmplitudeChart(surface, *data, tools, 1.0, 1.0, ChartMedium::Screen, client1280);

    const auto white = surface.linesWith(tools.whiteCurvePen);
    QVERIFY(!white.empty());
    QCOMPARE(white[0].y2, INT_MIN);   // 1e250 % lies far above, never wrapped below
    const auto yellow = surface.linesWith(tools.yellowCurvePen);
    QCOMPARE(yellow[0].y2, INT_MAX);
    for (const auto &line : white)
        QVERIFY(line.x2 != INT_MAX && line.x2 != INT_MIN);   // far angles are never joined
}

void TestAmplitudeChart::leavesTransparentModeAndTextColour()
{
    RecordingSurface surface;
    surface.setTextColour({9, 9, 9});
    surface.setBackgroundMode(BackgroundMode::Opaque);
    auto data = samples({{0, 50, 50}, {1, 60, 60}});
    drawAmplitudeChart(surface, *data, tools, 10.0, 10.0, ChartMedium::Paper, {});
    QCOMPARE(surface.state().backgroundMode, BackgroundMode::Transparent);
    QCOMPARE(surface.state().textColour, chartColours.textColour);
}

// The compared curves come first, lighter and dashed; the legend names both files at the title
// band's right end, clear of the plot.
void TestAmplitudeChart::comparisonIsDrawnBehindWithALegend()
{
    const auto shown = samples({{0, 50, 60}, {10, 55, 65}});
    const auto other = samples({{0, 40, 30}, {10, 45, 35}, {20, 50, 40}});
    RecordingSurface surface;
    drawAmplitudeChart(surface, *shown, tools, 1.0, 1.0, ChartMedium::Screen, client1280, {},
                       {other.get(), QStringLiteral("a_amp.txt"), QStringLiteral("b_amp.txt")});
    // White has no lighter colour: it fades halfway to the plot's grey instead.
    const Pen comparedWhite{{192, 192, 192}, 2, PenStyle::Dash};
    const Pen comparedYellow{{239, 239, 143}, 2, PenStyle::Dash};
    // Two segments of each compared curve, and the legend's sample of the yellow one.
    QCOMPARE(surface.linesWith(comparedWhite).size(), size_t(2));
    QCOMPARE(surface.linesWith(comparedYellow).size(), size_t(3));
    const auto lines = surface.lines();
    const auto firstShown = std::find_if(lines.begin(), lines.end(),
                                         [&](const auto &line) { return line.pen == tools.whiteCurvePen; });
    const auto laterCompared = std::find_if(firstShown, lines.end(),
                                            [&](const auto &line) { return line.pen == comparedWhite; });
    QVERIFY(firstShown != lines.end());
    QVERIFY(laterCompared == lines.end());
    const AmplitudeGeometry g = amplitudeGeometry(amplitudeFrame(1, 1, ChartMedium::Screen, client1280));
    const auto comparedTitle = surface.textRecord(QStringLiteral("b_amp.txt"));
    QCOMPARE(comparedTitle.rect.right, g.titleBand.right);
    QVERIFY(comparedTitle.rect.bottom <= g.plotRect.top);
    QVERIFY(surface.textRecord(QStringLiteral("a_amp.txt")).rect.right < comparedTitle.rect.left);
}

QTEST_APPLESS_MAIN(TestAmplitudeChart)
#include "tst_charts_amplitude.moc"
