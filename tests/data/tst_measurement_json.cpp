#include "data/measurement_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <charconv>
#include <clocale>
#include <cmath>
#include <limits>
#include <memory>

namespace {

QByteArray numberText(double value)
{
    QByteArray out;
    appendJsonNumber(out, value);
    return out;
}

} // namespace

class TestMeasurementJson : public QObject {
    Q_OBJECT

private slots:
    void writesObjectInDocumentedOrder();
    void writesOnlySlotsBelowCounts();
    void writesEmptyDataSet();
    void isValidJsonForFullDataSet();
    void writesShortestRoundTripNumbers_data();
    void writesShortestRoundTripNumbers();
    void roundTripsEveryNumber();
    void writesFullStopWhateverTheLocale();
    void escapesTitles_data();
    void escapesTitles();
};

void TestMeasurementJson::writesObjectInDocumentedOrder()
{
    auto data = std::make_unique<MeasurementSet>();
    data->ampCount = 2;
    data->refCount = 1;
    const double amp[3][2] = {{0, 45.5}, {80.2, 81}, {-1, 0.125}};
    for (int series = 0; series < 3; ++series)
        for (int sample = 0; sample < 2; ++sample)
            data->ampSeries[series][sample] = amp[series][sample];
    for (int series = 0; series < 5; ++series)
        data->refSeries[series][0] = series + 0.5;
    MeasurementFiles files;
    files.ampFileTitle = QStringLiteral("run_amp.txt");
    files.refFileTitle = QStringLiteral("run_ref.txt");

    QCOMPARE(measurementJson(*data, files),
             QByteArray("{\"ampFileTitle\":\"run_amp.txt\",\"refFileTitle\":\"run_ref.txt\","
                        "\"ampCount\":2,\"refCount\":1,"
                        "\"ampSeries\":[[0,45.5],[80.2,81],[-1,0.125]],"
                        "\"refSeries\":[[0.5],[1.5],[2.5],[3.5],[4.5]]}\n"));
}

void TestMeasurementJson::writesOnlySlotsBelowCounts()
{
    auto data = std::make_unique<MeasurementSet>();
    for (auto &series : data->ampSeries)
        std::fill(std::begin(series), std::end(series), 7.0);
    for (auto &series : data->refSeries)
        std::fill(std::begin(series), std::end(series), 9.0);
    data->ampCount = 1;
    data->refCount = 2;
    const QByteArray json = measurementJson(*data, MeasurementFiles());
    QVERIFY2(json.contains("\"ampSeries\":[[7],[7],[7]]"), json.constData());
    QVERIFY2(json.contains("\"refSeries\":[[9,9],[9,9],[9,9],[9,9],[9,9]]"), json.constData());
}

void TestMeasurementJson::writesEmptyDataSet()
{
    auto data = std::make_unique<MeasurementSet>();
    MeasurementFiles files;
    files.ampFileTitle = QStringLiteral("empty_amp.txt");
    QCOMPARE(measurementJson(*data, files),
             QByteArray("{\"ampFileTitle\":\"empty_amp.txt\",\"refFileTitle\":\"\","
                        "\"ampCount\":0,\"refCount\":0,"
                        "\"ampSeries\":[[],[],[]],\"refSeries\":[[],[],[],[],[]]}\n"));
}

void TestMeasurementJson::isValidJsonForFullDataSet()
{
    auto data = std::make_unique<MeasurementSet>();
    data->ampCount = MeasurementSet::maxAmpCount;
    data->refCount = MeasurementSet::maxRefCount;
    for (int sample = 0; sample < MeasurementSet::ampCapacity; ++sample)
        data->ampSeries[1][sample] = sample / 7.0;
    MeasurementFiles files;
    files.ampFileTitle = QStringLiteral("Meßlauf \"A\"_amp.txt");

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(measurementJson(*data, files), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject object = document.object();
    QCOMPARE(object.keys().size(), 6);
    QCOMPARE(object.value(QStringLiteral("ampFileTitle")).toString(), files.ampFileTitle);
    QCOMPARE(object.value(QStringLiteral("ampCount")).toInt(), 8191);
    const QJsonArray ampSeries = object.value(QStringLiteral("ampSeries")).toArray();
    QCOMPARE(ampSeries.size(), 3);
    QCOMPARE(ampSeries.at(1).toArray().size(), 8191);
    QCOMPARE(ampSeries.at(1).toArray().at(8190).toDouble(), 8190 / 7.0);
    QCOMPARE(object.value(QStringLiteral("refSeries")).toArray().size(), 5);
    QCOMPARE(object.value(QStringLiteral("refSeries")).toArray().at(4).toArray().size(), 511);
}

void TestMeasurementJson::writesShortestRoundTripNumbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("zero") << 0.0 << QByteArray("0");
    QTest::newRow("negative zero keeps its sign") << -0.0 << QByteArray("-0");
    QTest::newRow("integer") << 81.0 << QByteArray("81");
    QTest::newRow("one decimal") << 45.5 << QByteArray("45.5");
    QTest::newRow("0.1 is not 0.1000000000000000055") << 0.1 << QByteArray("0.1");
    QTest::newRow("0.1 + 0.2 needs 17 digits") << 0.1 + 0.2 << QByteArray("0.30000000000000004");
    QTest::newRow("negative") << -12.25 << QByteArray("-12.25");
    QTest::newRow("large") << 1e20 << QByteArray("1e+20");
    QTest::newRow("long integer") << 123456789012345678.0 << QByteArray("123456789012345680");
    QTest::newRow("small") << 1e-7 << QByteArray("1e-07");
    QTest::newRow("largest double") << std::numeric_limits<double>::max()
                                    << QByteArray("1.7976931348623157e+308");
    QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min()
                                        << QByteArray("5e-324");
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << QByteArray("1e999");
    QTest::newRow("negative infinity") << -std::numeric_limits<double>::infinity()
                                       << QByteArray("-1e999");
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << QByteArray("null");
}

void TestMeasurementJson::writesShortestRoundTripNumbers()
{
    QFETCH(double, value);
    QFETCH(QByteArray, text);
    QCOMPARE(numberText(value), text);
}

void TestMeasurementJson::roundTripsEveryNumber()
{
    const double values[] = {1.0 / 3, 2.0 / 3, 359.99999999999994, 1e-300, 4.9406564584124654e-324,
                             std::nextafter(1.0, 2.0), 8190.0 / 7, -273.15};
    for (const double value : values) {
        const QByteArray text = numberText(value);
        double back = 0;
        std::from_chars(text.constData(), text.constData() + text.size(), back);
        QVERIFY2(back == value, text.constData());
    }
    QCOMPARE(std::strtod(numberText(std::numeric_limits<double>::infinity()).constData(), nullptr),
             std::numeric_limits<double>::infinity());
}

void TestMeasurementJson::writesFullStopWhateverTheLocale()
{
    const char *const previous = std::setlocale(LC_NUMERIC, nullptr);
    const QByteArray saved = previous ? QByteArray(previous) : QByteArray("C");
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE"))
        QSKIP("no German locale installed");
    const QByteArray text = numberText(45.5);
    std::setlocale(LC_NUMERIC, saved.constData());
    QCOMPARE(text, QByteArray("45.5"));
}

void TestMeasurementJson::escapesTitles_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArray>("json");

    QTest::newRow("plain") << QStringLiteral("a_amp.txt") << QByteArray("\"a_amp.txt\"");
    QTest::newRow("empty") << QString() << QByteArray("\"\"");
    QTest::newRow("quote and backslash")
        << QStringLiteral("a\"b\\c") << QByteArray("\"a\\\"b\\\\c\"");
    QTest::newRow("control characters")
        << QStringLiteral("a\nb\tc\x01") << QByteArray("\"a\\u000ab\\u0009c\\u0001\"");
    QTest::newRow("non-ASCII as UTF-8")
        << QStringLiteral("Meßlauf é €") << QByteArray("\"Me\xc3\x9flauf \xc3\xa9 \xe2\x82\xac\"");
    QTest::newRow("slash unescaped") << QStringLiteral("a/b") << QByteArray("\"a/b\"");
}

void TestMeasurementJson::escapesTitles()
{
    QFETCH(QString, title);
    QFETCH(QByteArray, json);
    QByteArray out;
    appendJsonString(out, title);
    QCOMPARE(out, json);
}

QTEST_GUILESS_MAIN(TestMeasurementJson)
#include "tst_measurement_json.moc"
