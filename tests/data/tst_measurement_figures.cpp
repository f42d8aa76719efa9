#include "data/measurement_figures.h"
#include "data/measurement_json.h"
#include "data/measurement_reader.h"
#include "data/ref_path.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <numeric>

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

// The excursions as one line: "A start..end wWIDTH worst@angle; ... | worst@angle total".
QString describe(const CurveExcursions &excursions)
{
    QStringList parts;
    for (const Excursion &range : excursions.ranges)
        parts << QStringLiteral("%1 %2..%3 w%4 %5@%6")
                     .arg(range.side == LimitSide::Above ? QLatin1Char('A') : QLatin1Char('B'))
                     .arg(number(range.startAngle), number(range.endAngle), number(range.width),
                          number(range.worstValue), number(range.worstAngle));
    QString text = parts.join(QStringLiteral("; "));
    if (!excursions.ranges.empty())
        text += QStringLiteral(" | %1@%2 %3").arg(number(excursions.worstValue), number(excursions.worstAngle),
                                                  number(excursions.angleOutside));
    return text;
}

QList<double> column(const QJsonArray &array)
{
    QList<double> values;
    for (const QJsonValue &value : array)
        values << value.toDouble();
    return values;
}

} // namespace

class TestMeasurementFigures : public QObject {
    Q_OBJECT

private slots:
    void findsExcursions_data();
    void findsExcursions();
    void agreesWithTheDumpOfTheExample();
};

void TestMeasurementFigures::findsExcursions_data()
{
    QTest::addColumn<QList<double>>("angles");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no samples") << QList<double>{} << QList<double>{} << QString();
    QTest::newRow("on both lines") << QList<double>{0, 1, 2, 3} << QList<double>{30, 90, 90, 30} << QString();
    QTest::newRow("one sample inside") << QList<double>{7} << QList<double>{50} << QString();
    QTest::newRow("one sample, outside") << QList<double>{7} << QList<double>{120}
                                         << QStringLiteral("A 7..7 w0 120@7 | 120@7 0");
    QTest::newRow("one sample outside between") << QList<double>{0, 1, 2} << QList<double>{80, 95, 80}
                                                << QStringLiteral("A 0.666667..1.33333 w0.666667 95@1 | 95@1 0.666667");
    QTest::newRow("leaves from the line") << QList<double>{0, 1, 2} << QList<double>{90, 95, 90}
                                          << QStringLiteral("A 0..2 w2 95@1 | 95@1 2");
    QTest::newRow("below from the first sample") << QList<double>{10, 11} << QList<double>{20, 40}
                                                 << QStringLiteral("B 10..10.5 w0.5 20@10 | 20@10 0.5");
    QTest::newRow("over the wrap") << QList<double>{358, 359, 0, 1} << QList<double>{80, 95, 95, 80}
                                   << QStringLiteral("A 358.667..0.333333 w1.66667 95@359 | 95@359 1.66667");
    QTest::newRow("crossing in the wrap step") << QList<double>{359, 0} << QList<double>{80, 100}
                                               << QStringLiteral("A 359.5..0 w0.5 100@0 | 100@0 0.5");
    // Equally far outside: the first one is the worst.
    QTest::newRow("above to below in one step") << QList<double>{0, 1, 2, 3} << QList<double>{60, 100, 20, 60}
                                                << QStringLiteral("A 0.75..1.125 w0.375 100@1; B 1.875..2.25 w0.375 20@2"
                                                                  " | 100@1 0.75");
    QTest::newRow("angles going back cut the range") << QList<double>{10, 11, 5, 6} << QList<double>{95, 96, 95, 80}
                                                     << QStringLiteral("A 10..11 w1 96@11; A 5..5.33333 w0.333333 95@5"
                                                                       " | 96@11 1.33333");
    QTest::newRow("infinite value") << QList<double>{0, 1, 2} << QList<double>{50, inf, 50}
                                    << QStringLiteral("A 0..2 w2 inf@1 | inf@1 2");
}

void TestMeasurementFigures::findsExcursions()
{
    QFETCH(QList<double>, angles);
    QFETCH(QList<double>, values);
    QFETCH(QString, expected);
    QCOMPARE(describe(curveExcursions(angles.constData(), values.constData(), int(values.size()))), expected);
}

// The figures against a computation of their own from the JSON that --dump writes: extremes,
// means, and the excursions as runs of samples outside, their widths by fine steps.
void TestMeasurementFigures::agreesWithTheDumpOfTheExample()
{
    auto data = std::make_unique<MeasurementSet>();
    MeasurementFiles files;
    const QString ampPath = QStringLiteral(VELKVIEW_SOURCE_DIR "/examples/demo_amp.txt");
    QCOMPARE(readMeasurement(ampPath, deriveRefPath(ampPath), *data, files), ReadOutcome::Read);
    const QJsonObject dump = QJsonDocument::fromJson(measurementJson(*data, files)).object();
    const MeasurementFigures figures = measurementFigures(*data);
    QVERIFY(!figures.withinLimits());

    const auto check = [](const SeriesFigures &series, const QList<double> &angles, const QList<double> &values) {
        QCOMPARE(series.count, int(values.size()));
        const auto minimum = std::min_element(values.begin(), values.end());
        const auto maximum = std::max_element(values.begin(), values.end());
        QCOMPARE(series.minimum, *minimum);
        QCOMPARE(series.minimumAngle, angles[minimum - values.begin()]);
        QCOMPARE(series.maximum, *maximum);
        QCOMPARE(series.maximumAngle, angles[maximum - values.begin()]);
        QCOMPARE(series.mean, std::accumulate(values.begin(), values.end(), 0.0) / double(values.size()));
        QCOMPARE(series.peakToPeak, *maximum - *minimum);
    };
    const QJsonArray amplitude = dump.value(QStringLiteral("ampSeries")).toArray();
    const QList<double> angles = column(amplitude[0].toArray());
    for (int curve = 0; curve < 2; ++curve) {
        const QList<double> values = column(amplitude[curve + 1].toArray());
        check(figures.amplitude[curve], angles, values);
        // The example's angles only rise within a revolution and no range runs over its wrap.
        int runs = 0;
        double outside = 0;
        double worst = 0;
        for (qsizetype index = 0; index < values.size(); ++index) {
            const bool out = values[index] > 90 || values[index] < 30;
            runs += out && (index == 0 || (values[index - 1] <= 90 && values[index - 1] >= 30));
            if (out)
                worst = std::max(worst, values[index] > 90 ? values[index] - 90 : 30 - values[index]);
            if (index == 0 || angles[index] < angles[index - 1])
                continue;
            for (int part = 0; part < 1000; ++part) {
                const double along = (part + 0.5) / 1000;
                const double value = values[index - 1] + along * (values[index] - values[index - 1]);
                outside += (value > 90 || value < 30) * (angles[index] - angles[index - 1]) / 1000;
            }
        }
        const CurveExcursions &excursions = figures.excursions[curve];
        QCOMPARE(int(excursions.ranges.size()), runs);
        QVERIFY2(std::abs(excursions.angleOutside - outside) < 0.01 * (runs + 1),
                 qPrintable(QStringLiteral("%1 against %2").arg(excursions.angleOutside).arg(outside)));
        if (runs > 0)
            QCOMPARE(std::abs(excursions.worstValue - (excursions.worstValue > 90 ? 90 : 30)), worst);
    }
    const QJsonArray reference = dump.value(QStringLiteral("refSeries")).toArray();
    for (int series = 0; series < 4; ++series)
        check(figures.reference[series], column(reference[0].toArray()), column(reference[series + 1].toArray()));
}

QTEST_APPLESS_MAIN(TestMeasurementFigures)
#include "tst_measurement_figures.moc"
