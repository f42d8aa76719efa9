#include "charts/chart_comparison.h"
#include "charts/chart_geometry.h"

#include <QTest>

#include <climits>
#include <cmath>
#include <limits>
#include <memory>

Q_DECLARE_METATYPE(DeviceRect)

namespace {
constexpr double inf = std::numeric_limits<double>::infinity();
}

class TestChartGeometry : public QObject {
    Q_OBJECT

private slots:
    void truncToIntCutsTowardZeroAndClamps_data();
    void truncToIntCutsTowardZeroAndClamps();
    void saturatingArithmeticStopsAtTheLimits();

    void screenPlotRectsFollowTheClientArea_data();
    void screenPlotRectsFollowTheClientArea();
    void amplitudeRowsAndBandsOnPaper();
    void amplitudeRowsOnScreen();
    void degreeColumnsOnScreen();
    void paperAreasToolsAndFonts();
    void referenceGeometryOnPaper();
    void paperUsesEachScaleWhereItBelongs();

    void referenceScaleIsTheNextHundredAbove_data();
    void referenceScaleIsTheNextHundredAbove();
    void referenceRowValuesRunFromMinusToPlusS();
    void hugeScaleLabelsDoNotOverflow();

    void sampleMappingClampsHugeValues();
    void markerRectSaturates();
    void labelsHaveTheirFormats();

    void legendKeepsClearOfTheTitle_data();
    void legendKeepsClearOfTheTitle();
    void legendNamesEachChartsFiles_data();
    void legendNamesEachChartsFiles();
};

void TestChartGeometry::truncToIntCutsTowardZeroAndClamps_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("positive fraction") << 1.9 << 1;
    QTest::newRow("negative fraction") << -1.9 << -1;
    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("just below int max") << 2147483646.9 << 2147483646;
    QTest::newRow("int max and a half") << 2147483647.5 << INT_MAX;
    QTest::newRow("below int min") << -2147483648.9 << INT_MIN;
    QTest::newRow("1e250") << 1e250 << INT_MAX;
    QTest::newRow("-1e250") << -1e250 << INT_MIN;
    QTest::newRow("infinity") << inf << INT_MAX;
    QTest::newRow("minus infinity") << -inf << INT_MIN;
    QTest::newRow("nan") << std::nan("") << 0;
}

void TestChartGeometry::truncToIntCutsTowardZeroAndClamps()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(truncToInt(value), expected);
}

void TestChartGeometry::saturatingArithmeticStopsAtTheLimits()
{
    QCOMPARE(saturatingAdd(INT_MAX, 7), INT_MAX);
    QCOMPARE(saturatingSub(INT_MIN, 7), INT_MIN);
    QCOMPARE(saturatingAdd(INT_MIN, 7), INT_MIN + 7);
    QCOMPARE(saturatingSub(100, 7), 93);
    QCOMPARE(truncToInt64(-inf), INT64_MIN);
    QCOMPARE(truncToInt64(1e30), INT64_MAX);
}

void TestChartGeometry::screenPlotRectsFollowTheClientArea_data()
{
    QTest::addColumn<DeviceRect>("client");
    QTest::addColumn<DeviceRect>("amplitudePlot");
    QTest::addColumn<DeviceRect>("referencePlot");
    QTest::newRow("1280x1000") << DeviceRect{0, 0, 1280, 1000} << DeviceRect{55, 33, 1233, 450}
                               << DeviceRect{55, 533, 1233, 900};
    QTest::newRow("1920x1080") << DeviceRect{0, 0, 1920, 1080} << DeviceRect{68, 36, 1857, 486}
                               << DeviceRect{68, 576, 1857, 972};
    QTest::newRow("tiny 10x10") << DeviceRect{0, 0, 10, 10} << DeviceRect{30, 0, -5, 5}
                                << DeviceRect{30, 5, -5, 9};
}

void TestChartGeometry::screenPlotRectsFollowTheClientArea()
{
    QFETCH(DeviceRect, client);
    QFETCH(DeviceRect, amplitudePlot);
    QFETCH(DeviceRect, referencePlot);
    const ChartFrame amplitude = amplitudeFrame(1.0, 1.0, ChartMedium::Screen, client);
    QCOMPARE(amplitudeGeometry(amplitude).plotRect, amplitudePlot);
    QCOMPARE(amplitudeGeometry(amplitude).titleBand,
             (DeviceRect{amplitudePlot.left, 0, amplitudePlot.right, amplitudePlot.top}));
    const ChartFrame reference = referenceFrame(1.0, 1.0, ChartMedium::Screen, client);
    QCOMPARE(referenceGeometry(reference, referenceScale(0, 0)).plotRect, referencePlot);
}

void TestChartGeometry::amplitudeRowsAndBandsOnPaper()
{
    const ChartFrame frame = amplitudeFrame(10.0, 10.0, ChartMedium::Paper, {});
    QCOMPARE(frame.area, (DeviceRect{200, 650, 2000, 2970}));
    const AmplitudeGeometry g = amplitudeGeometry(frame);
    QCOMPARE(g.plotRect, (DeviceRect{311, 727, 1918, 1694}));
    const int rows[13] = {1694, 1614, 1533, 1453, 1372, 1292, 1211,
                          1130, 1050, 969,  889,  808,  727};
    for (int k = 0; k <= 12; ++k)
        QCOMPARE(amplitudeRowY(g, k), rows[k]);
    QCOMPARE(g.upperBand, (DeviceRect{311, 727, 1918, 888}));
    QCOMPARE(g.lowerBand, (DeviceRect{311, 1453, 1918, 1694}));
    // Labels use the reduced scale: a quarter millimetre per unit.
    QCOMPARE(g.labels.gap, 12);
    QCOMPARE(g.labels.rowHalfHeight, 50);
    QCOMPARE(g.labels.columnHalfWidth, 37);
}

void TestChartGeometry::amplitudeRowsOnScreen()
{
    const AmplitudeGeometry g =
        amplitudeGeometry(amplitudeFrame(1.0, 1.0, ChartMedium::Screen, {0, 0, 1280, 1000}));
    const int rows[13] = {450, 416, 381, 346, 311, 277, 242, 207, 172, 138, 103, 68, 33};
    for (int k = 0; k <= 12; ++k)
        QCOMPARE(amplitudeRowY(g, k), rows[k]);
    QCOMPARE(g.upperBand, (DeviceRect{55, 33, 1233, 102}));
    QCOMPARE(g.lowerBand, (DeviceRect{55, 346, 1233, 450}));
    QCOMPARE(g.maxGap, 294);
    QCOMPARE(rowLabelRect(g.plotRect, g.labels, 311), (DeviceRect{0, 291, 50, 331}));
}

void TestChartGeometry::degreeColumnsOnScreen()
{
    const AmplitudeGeometry g =
        amplitudeGeometry(amplitudeFrame(1.0, 1.0, ChartMedium::Screen, {0, 0, 1280, 1000}));
    const int columns[9] = {55, 202, 349, 496, 644, 791, 938, 1085, 1233};
    for (int j = 0; j <= 8; ++j)
        QCOMPARE(chartColumnX(g.plotRect, g.colStep, j), columns[j]);
    QCOMPARE(columnLabelRect(g.plotRect, g.labels, 202), (DeviceRect{187, 451, 217, 466}));
}

void TestChartGeometry::paperAreasToolsAndFonts()
{
    const PaperTools amplitude = amplitudePaperTools(10.0, 10.0);
    QCOMPARE(amplitude.labelFont.height, -20);
    QCOMPARE(amplitude.labelFont.width, -10);
    QCOMPARE(amplitude.labelFont.weight, 300);
    QCOMPARE(amplitude.thinPen.width, 2);
    QCOMPARE(amplitude.limitPen, (Pen{{0, 224, 0}, 5}));
    QCOMPARE(amplitude.yellowPen, (Pen{{224, 224, 32}, 6}));
    QCOMPARE(amplitude.whitePen, (Pen{{255, 255, 255}, 6}));

    const PaperTools reference = referencePaperTools(10.0, 10.0);
    QCOMPARE(reference.thinPen.width, 2);
    QCOMPARE(reference.mediumPen.width, 4);
    QCOMPARE(reference.redMarkPen, (Pen{{192, 0, 0}, 2}));
    QCOMPARE(reference.redLinePen, (Pen{{192, 0, 0}, 6}));
    QCOMPARE(reference.blueMarkPen, (Pen{{0, 0, 192}, 2}));
    QCOMPARE(reference.blueLinePen, (Pen{{0, 0, 192}, 6}));

    const ChartFrame frame = amplitudeFrame(10.0, 10.0, ChartMedium::Paper, {});
    const FontSpec title = chartTitleFont(frame.lengthSx, frame.lengthSy);
    QCOMPARE(title.height, -50);
    QCOMPARE(title.width, -25);
    QCOMPARE(chartTitleFont(1.0, 1.0).height, -20);
    QCOMPARE(chartTitleFont(1.0, 1.0).width, -10);
}

// With sx and sy apart, a length taken from the wrong scale shows. Worked by hand for
// sx = 10, sy = 12: both areas run from 20 mm to 200 mm and down to 297 mm.
void TestChartGeometry::paperUsesEachScaleWhereItBelongs()
{
    const ChartFrame amplitude = amplitudeFrame(10.0, 12.0, ChartMedium::Paper, {});
    QCOMPARE(amplitude.area, (DeviceRect{200, 780, 2000, 3564}));
    const AmplitudeGeometry a = amplitudeGeometry(amplitude);
    QCOMPARE(a.plotRect, (DeviceRect{311, 872, 1918, 2033}));
    QCOMPARE(a.labels.gap, 12);
    QCOMPARE(a.labels.rowHalfHeight, 60);
    QCOMPARE(a.labels.columnHalfWidth, 37);
    QCOMPARE(a.labels.columnHeight, 45);
    const PaperTools amplitudeTools = amplitudePaperTools(10.0, 12.0);
    QCOMPARE(amplitudeTools.labelFont.height, -24);
    QCOMPARE(amplitudeTools.labelFont.width, -10);
    QCOMPARE(amplitudeTools.thinPen.width, 2);
    QCOMPARE(amplitudeTools.limitPen.width, 6);
    QCOMPARE(amplitudeTools.whitePen.width, 7);
    QCOMPARE(amplitudeTools.yellowPen.width, 7);

    // The reference chart takes every length from sy, across the page too.
    const ChartFrame reference = referenceFrame(10.0, 12.0, ChartMedium::Paper, {});
    QCOMPARE(reference.area, (DeviceRect{200, 720, 2000, 3564}));
    const ReferenceGeometry r = referenceGeometry(reference, referenceScale(0.0, 0.0));
    QCOMPARE(r.plotRect, (DeviceRect{326, 2236, 1910, 3375}));
    QCOMPARE(r.labels.gap, 15);
    QCOMPARE(r.labels.columnHalfWidth, 45);
    QCOMPARE(r.labels.columnHeight, 45);
    QCOMPARE(r.labels.rowHalfHeight, 20);
    QCOMPARE(r.markerRadius, 9);
    const PaperTools referenceTools = referencePaperTools(10.0, 12.0);
    QCOMPARE(referenceTools.labelFont.height, -24);
    QCOMPARE(referenceTools.labelFont.width, -10);
    QCOMPARE(referenceTools.thinPen.width, 2);
    QCOMPARE(referenceTools.mediumPen.width, 4);
    QCOMPARE(referenceTools.redMarkPen.width, 3);
    QCOMPARE(referenceTools.redLinePen.width, 7);
    QCOMPARE(referenceTools.blueMarkPen.width, 3);
    QCOMPARE(referenceTools.blueLinePen.width, 7);
    // Only the title font's width follows sx.
    const FontSpec title = chartTitleFont(reference.lengthSx, reference.lengthSy);
    QCOMPARE(title.height, -60);
    QCOMPARE(title.width, -25);
}

void TestChartGeometry::referenceGeometryOnPaper()
{
    const ChartFrame frame = referenceFrame(10.0, 10.0, ChartMedium::Paper, {0, 0, 5, 5});
    QCOMPARE(frame.area, (DeviceRect{200, 600, 2000, 2970}));
    const ReferenceGeometry g = referenceGeometry(frame, referenceScale(0, 0));
    QCOMPARE(g.plotRect, (DeviceRect{311, 1864, 1918, 2812}));
    QCOMPARE(g.titleBand, (DeviceRect{311, 1785, 1918, 1864}));
    QCOMPARE(g.markerRadius, 7);
    QCOMPARE(g.mid, 2812 - 474);
    // The row labels' half-height stays 20 units on paper.
    QCOMPARE(g.labels.rowHalfHeight, 20);
}

void TestChartGeometry::referenceScaleIsTheNextHundredAbove_data()
{
    QTest::addColumn<double>("maxRed");
    QTest::addColumn<double>("minBlue");
    QTest::addColumn<qint64>("S");
    QTest::newRow("empty") << 0.0 << 0.0 << qint64(100);
    QTest::newRow("red 99.9") << 99.9 << 0.0 << qint64(100);
    QTest::newRow("red 100") << 100.0 << 0.0 << qint64(200);
    QTest::newRow("red 250.5") << 250.5 << 0.0 << qint64(300);
    QTest::newRow("red 349.9 blue -120") << 349.9 << -120.0 << qint64(400);
    QTest::newRow("red 0 blue -250") << 0.0 << -250.0 << qint64(300);
    QTest::newRow("blue -100") << 0.0 << -100.0 << qint64(200);
    QTest::newRow("red infinite") << inf << 0.0 << qint64(2147483700);
    QTest::newRow("blue minus infinite") << 0.0 << -inf << qint64(2147483700);
    QTest::newRow("red 1e250 blue -1e250") << 1e250 << -1e250 << qint64(2147483700);
}

void TestChartGeometry::referenceScaleIsTheNextHundredAbove()
{
    QFETCH(double, maxRed);
    QFETCH(double, minBlue);
    QFETCH(qint64, S);
    const ReferenceScale scale = referenceScale(maxRed, minBlue);
    QCOMPARE(qint64(scale.S), S);
    QCOMPARE(qint64(scale.valueStep), S / 10);
}

void TestChartGeometry::referenceRowValuesRunFromMinusToPlusS()
{
    const ReferenceScale scale = referenceScale(0, 0);
    QCOMPARE(qint64(referenceRowValue(scale, 0)), qint64(-100));
    QCOMPARE(qint64(referenceRowValue(scale, 10)), qint64(0));
    QCOMPARE(qint64(referenceRowValue(scale, 20)), qint64(100));
    const ReferenceGeometry g = referenceGeometry(
        referenceFrame(1.0, 1.0, ChartMedium::Screen, {0, 0, 1280, 1000}), scale);
    QCOMPARE(referenceRowY(g, 0), 900);
    QCOMPARE(referenceRowY(g, 10), 717);   // 900 - trunc(183.5)
    QCOMPARE(referenceRowY(g, 20), 533);
    QCOMPARE(g.mid, 717);
}

void TestChartGeometry::hugeScaleLabelsDoNotOverflow()
{
    const ReferenceScale scale = referenceScale(inf, -inf);
    QCOMPARE(valueLabel(referenceRowValue(scale, 0)), QStringLiteral("-2147483700"));
    QCOMPARE(valueLabel(referenceRowValue(scale, 20)), QStringLiteral("2147483700"));
    QCOMPARE(valueLabel(referenceRowValue(scale, 10)), QStringLiteral("0"));
    const ReferenceGeometry g = referenceGeometry(
        referenceFrame(1.0, 1.0, ChartMedium::Screen, {0, 0, 1280, 1000}), scale);
    QVERIFY(g.yScale > 0);
    QCOMPARE(referenceY(g, 1e250), INT_MIN);
}

void TestChartGeometry::sampleMappingClampsHugeValues()
{
    const AmplitudeGeometry g =
        amplitudeGeometry(amplitudeFrame(1.0, 1.0, ChartMedium::Screen, {0, 0, 1280, 1000}));
    QCOMPARE(amplitudeY(g, 0.0), 450);
    QCOMPARE(amplitudeY(g, 1e250), INT_MIN);
    QCOMPARE(amplitudeY(g, -1e250), INT_MAX);
    QCOMPARE(amplitudeY(g, -inf), INT_MAX);
    QCOMPARE(amplitudeX(g, 1e250), INT_MAX);
    QCOMPARE(amplitudeX(g, 360.0), 1233);
    QCOMPARE(amplitudeX(g, std::nan("")), 0);
}

void TestChartGeometry::markerRectSaturates()
{
    QCOMPARE(markerRect(100, 200, 3), (DeviceRect{97, 197, 103, 203}));
    QCOMPARE(markerRect(INT_MAX, INT_MIN, 7), (DeviceRect{INT_MAX - 7, INT_MIN, INT_MAX, INT_MIN + 7}));
}

void TestChartGeometry::labelsHaveTheirFormats()
{
    QCOMPARE(degreeLabel(45), QString::fromUtf8(" 45\u00b0"));
    QCOMPARE(degreeLabel(0), QString::fromUtf8(" 0\u00b0"));
    QCOMPARE(percentLabel(120), QStringLiteral("120%"));
    QCOMPARE(valueLabel(-90), QStringLiteral("-90"));
}

void TestChartGeometry::legendKeepsClearOfTheTitle_data()
{
    // Band 100..1100; two samples with their gaps and two spacings take 88 units.
    QTest::addColumn<int>("titleRight");
    QTest::addColumn<int>("shownWidth");      // the text rectangles' widths, as laid out
    QTest::addColumn<int>("comparedWidth");
    QTest::newRow("room for both") << 200 << 100 << 150;
    QTest::newRow("the longer is cut first") << 800 << 100 << 112;
    QTest::newRow("both cut to half the room") << 900 << 56 << 56;
    QTest::newRow("no room at all") << 1100 << 0 << 0;
}

void TestChartGeometry::legendKeepsClearOfTheTitle()
{
    QFETCH(int, titleRight);
    QFETCH(int, shownWidth);
    QFETCH(int, comparedWidth);
    const ChartLegend legend = chartLegend({100, 0, 1100, 30}, titleRight, 100, 150, 1.0, 1.0);
    QCOMPARE(legend.compared.text.right, 1100);
    QCOMPARE(legend.compared.text.width(), comparedWidth);
    QCOMPARE(legend.shown.text.width(), shownWidth);
    QCOMPARE(legend.compared.sample, (DeviceRect{1100 - comparedWidth - 32, 11, 1100 - comparedWidth - 4, 19}));
    QCOMPARE(legend.shown.text.right, legend.compared.sample.left - 12);
    if (titleRight + 88 <= 1100)
        QVERIFY(legend.shown.sample.left >= titleRight + 12);
}

void TestChartGeometry::legendNamesEachChartsFiles_data()
{
    // Files as "amp ref path", the reference title and path optional; then both legend texts.
    QTest::addColumn<bool>("reference");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("compared");
    QTest::addColumn<QString>("legend");   // shown | compared
    QTest::newRow("amplitude chart") << false << "a_amp.txt a_ref.txt /m/a_amp.txt"
                                     << "b_amp.txt b_ref.txt /m/b_amp.txt" << "a_amp.txt|b_amp.txt";
    QTest::newRow("reference chart") << true << "a_amp.txt a_ref.txt /m/a_amp.txt"
                                     << "b_amp.txt b_ref.txt /m/b_amp.txt" << "a_ref.txt|b_ref.txt";
    QTest::newRow("reference entries from the amplitude file")
        << true << "a_amp.txt a_ref.txt /m/a_amp.txt" << "b_amp.txt  /m/b_amp.txt" << "a_ref.txt|b_amp.txt";
    QTest::newRow("itself") << false << "a_amp.txt a_ref.txt /m/a_amp.txt"
                            << "a_amp.txt a_ref.txt /m/a_amp.txt" << "a_amp.txt|a_amp.txt (the same file)";
    QTest::newRow("same name, other folder") << true << "a_amp.txt a_ref.txt /m/a_amp.txt"
                                             << "a_amp.txt a_ref.txt /n/a_amp.txt" << "a_ref.txt|a_ref.txt";
}

void TestChartGeometry::legendNamesEachChartsFiles()
{
    QFETCH(bool, reference);
    QFETCH(QString, shown);
    QFETCH(QString, compared);
    QFETCH(QString, legend);
    const auto files = [](const QString &words) {
        MeasurementFiles made;
        made.ampFileTitle = words.section(QLatin1Char(' '), 0, 0);
        made.refFileTitle = words.section(QLatin1Char(' '), 1, 1);
        made.ampFileStatus.fullName = words.section(QLatin1Char(' '), 2, 2);
        return made;
    };
    const auto data = std::make_unique<MeasurementSet>();
    const LegendTitles titles = legendTitles(reference ? LegendFiles::Reference : LegendFiles::Amplitude,
                                             chartComparison(data.get(), files(shown), files(compared)));
    QCOMPARE(titles.shown + QLatin1Char('|') + titles.compared, legend);
}

QTEST_APPLESS_MAIN(TestChartGeometry)
#include "tst_charts_geometry.moc"
