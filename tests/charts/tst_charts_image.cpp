#include "charts/chart_colours.h"
#include "charts/chart_image.h"
#include "charts/chart_tools.h"

#include "lang/language.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

// Curves near 75 % and reference marks around zero: the sampled points below stay clear of them.
std::unique_ptr<MeasurementSet> wavyData()
{
    auto data = std::make_unique<MeasurementSet>();
    data->ampCount = 3600;
    for (int i = 0; i < data->ampCount; ++i) {
        data->ampSeries[0][i] = i * 0.1;
        data->ampSeries[1][i] = 75 + 5 * std::sin(i * 0.01);
        data->ampSeries[2][i] = 78 + 4 * std::cos(i * 0.013);
    }
    data->refCount = 36;
    for (int i = 0; i < data->refCount; ++i) {
        data->refSeries[0][i] = i * 10.0;
        data->refSeries[1][i] = i % 3 == 0 ? 40.0 : 0.0;
        data->refSeries[2][i] = i % 4 == 0 ? -30.0 : 0.0;
        data->refSeries[3][i] = 20 * std::sin(i * 0.3);
        data->refSeries[4][i] = -20 * std::cos(i * 0.3);
    }
    return data;
}

} // namespace

class TestChartImage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pngShowsBothPlotsOnTheWindowBackground();
    void paletteSavingKeepsEveryPixel();
    void paletteRefusesMoreThan256Colours();
    void svgIsWritten();
    void refusesWhatItCannotWrite_data();
    void refusesWhatItCannotWrite();

private:
    ChartTools tools;
    QTemporaryDir dir;
};

void TestChartImage::initTestCase()
{
    setLanguage(0);
    tools = createChartTools();
    QVERIFY(dir.isValid());
}

void TestChartImage::pngShowsBothPlotsOnTheWindowBackground()
{
    const QString path = dir.filePath(QStringLiteral("charts.png"));
    auto data = wavyData();
    QCOMPARE(writeChartImage(path, QSize(1280, 1000), *data, tools), QString());
    const QImage image(path);
    QCOMPARE(image.size(), QSize(1280, 1000));
    QCOMPARE(image.pixel(2, 2), qRgb(240, 240, 240));
    // Amplitude plot (55,33)-(1233,450): between 40 % and 50 %, between 0 and 45 degrees.
    QCOMPARE(image.pixel(120, 294), qRgb(128, 128, 128));
    // Reference plot (55,533)-(1233,900): between its two lowest rows.
    QCOMPARE(image.pixel(120, 891), qRgb(255, 255, 255));
    // A hatched band: both colours appear in the lower band's first row of cells.
    int light = 0;
    for (int x = 60; x < 76; ++x)
        light += image.pixel(x, 400) == qRgb(220, 220, 220);
    QCOMPARE(light, 2);
    // The zero line of the reference chart is black across the plot.
    QCOMPARE(image.pixel(600, 717), qRgb(0, 0, 0));
}

void TestChartImage::paletteSavingKeepsEveryPixel()
{
    auto data = wavyData();
    const QImage rgb = renderChartImage(QSize(800, 600), *data, tools);
    const QString path = dir.filePath(QStringLiteral("small.png"));
    QCOMPARE(writeChartImage(path, QSize(800, 600), *data, tools), QString());
    const QImage saved = QImage(path).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(saved.size(), rgb.size());
    QCOMPARE(saved, rgb);

    const QImage indexed = toPaletteImage(rgb);
    if (!indexed.isNull()) {
        QCOMPARE(indexed.format(), QImage::Format_Indexed8);
        QCOMPARE(indexed.convertToFormat(QImage::Format_RGB32), rgb);
    }
}

void TestChartImage::paletteRefusesMoreThan256Colours()
{
    QImage many(300, 1, QImage::Format_RGB32);
    for (int x = 0; x < 300; ++x)
        many.setPixel(x, 0, qRgb(x % 256, x / 256, 7));
    QVERIFY(toPaletteImage(many).isNull());
    QImage few(300, 2, QImage::Format_RGB32);
    few.fill(qRgb(1, 2, 3));
    few.setPixel(5, 1, qRgb(9, 9, 9));
    QCOMPARE(toPaletteImage(few).convertToFormat(QImage::Format_RGB32), few);
}

void TestChartImage::svgIsWritten()
{
    const QString path = dir.filePath(QStringLiteral("charts.svg"));
    auto data = wavyData();
    QCOMPARE(writeChartImage(path, QSize(1280, 1000), *data, tools), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    QVERIFY(svg.contains("<svg"));
    QVERIFY(svg.contains("Reference marks"));
}

void TestChartImage::refusesWhatItCannotWrite_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("missing directory, png") << "no/such/dir/x.png" << QSize(100, 100);
    QTest::newRow("missing directory, svg") << "no/such/dir/x.svg" << QSize(100, 100);
    QTest::newRow("unknown ending") << "x.bmp" << QSize(100, 100);
    QTest::newRow("empty size") << "empty.png" << QSize(0, 100);
}

void TestChartImage::refusesWhatItCannotWrite()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    MeasurementSet data;
    QVERIFY(!writeChartImage(dir.filePath(name), size, data, tools).isEmpty());
}

QTEST_MAIN(TestChartImage)
#include "tst_charts_image.moc"
