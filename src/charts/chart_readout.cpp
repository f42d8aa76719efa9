#include "charts/chart_readout.h"

#include "charts/chart_comparison.h"
#include "charts/chart_geometry.h"
#include "charts/charts.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using Chart = ChartReadout::Chart;

bool contains(const DeviceRect &rect, int x, int y)
{
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

AmplitudeGeometry screenAmplitude(const DeviceRect &clientArea, const AngleRange &range = {})
{
    return amplitudeGeometry(amplitudeFrame(1.0, 1.0, ChartMedium::Screen, clientArea), range);
}

ReferenceGeometry screenReference(const MeasurementSet &data, const DeviceRect &clientArea,
                                  const AngleRange &range, const MeasurementSet *compared)
{
    return referenceGeometry(referenceFrame(1.0, 1.0, ChartMedium::Screen, clientArea),
                             referenceScale(data, compared), range);
}

// Keeps the sample with the smallest squared distance of any of its drawn points; the first of
// equals stays. Reals, since clamped coordinates would overflow an int square.
class Nearest {
public:
    Nearest(int x, int y) : x_(x), y_(y) {}

    void offer(int index, int x, int y)
    {
        const double dx = double(x) - x_;
        const double dy = double(y) - y_;
        const double distance = dx * dx + dy * dy;
        if (index_ < 0 || distance < best_) {
            index_ = index;
            best_ = distance;
        }
    }

    int index() const { return index_; }

private:
    int x_;
    int y_;
    int index_ = -1;
    double best_ = std::numeric_limits<double>::infinity();
};

int nearestAmplitudeSample(const MeasurementSet &data, const AmplitudeGeometry &g, int x, int y)
{
    Nearest nearest(x, y);
    for (int i = 0; i < chartSampleCount(Chart::Amplitude, data); ++i) {
        const int sampleX = amplitudeX(g, data.ampSeries[0][i]);
        nearest.offer(i, sampleX, amplitudeY(g, data.ampSeries[1][i]));
        nearest.offer(i, sampleX, amplitudeY(g, data.ampSeries[2][i]));
    }
    return nearest.index();
}

int nearestReferenceEntry(const MeasurementSet &data, const ReferenceGeometry &g, int x, int y)
{
    Nearest nearest(x, y);
    for (int i = 0; i < chartSampleCount(Chart::Reference, data); ++i) {
        const int entryX = referenceX(g, data.refSeries[0][i]);
        nearest.offer(i, entryX, referenceY(g, data.refSeries[3][i]));
        nearest.offer(i, entryX, referenceY(g, data.refSeries[4][i]));
        // A mark of 0 is not drawn, so it cannot be pointed at.
        for (const int series : {1, 2}) {
            if (data.refSeries[series][i] != 0.0)
                nearest.offer(i, entryX, referenceY(g, data.refSeries[series][i]));
        }
    }
    return nearest.index();
}

QString number(double value)
{
    return QString::number(value, 'f', 2);
}

QString line(const char *label, const QString &value)
{
    return QCoreApplication::translate("Charts", label) + QStringLiteral(": ") + value;
}

QString degrees(double angle)
{
    return number(angle) + QChar(0x00B0);
}

const double *angles(Chart chart, const MeasurementSet &data)
{
    return chart == Chart::Amplitude ? data.ampSeries[0] : data.refSeries[0];
}

enum class AngleLine { Listed, Omitted };

// The lines of sample or entry i: its angle, its values, the line of its file.
void appendSampleLines(QStringList &lines, Chart chart, const MeasurementSet &data, int i,
                       AngleLine angleLine = AngleLine::Listed)
{
    if (angleLine == AngleLine::Listed)
        lines << line(QT_TRANSLATE_NOOP("Charts", "Angle"), degrees(angles(chart, data)[i]));
    switch (chart) {
    case Chart::Amplitude:
        lines << line(QT_TRANSLATE_NOOP("Charts", "Curve 1"), number(data.ampSeries[1][i]) + QLatin1Char('%'))
              << line(QT_TRANSLATE_NOOP("Charts", "Curve 2"), number(data.ampSeries[2][i]) + QLatin1Char('%'))
              << line(QT_TRANSLATE_NOOP("Charts", "Line"), QString::number(data.ampLineNumbers[i]));
        break;
    case Chart::Reference:
        lines << line(QT_TRANSLATE_NOOP("Charts", "Red line"), number(data.refSeries[3][i]))
              << line(QT_TRANSLATE_NOOP("Charts", "Blue line"), number(data.refSeries[4][i]));
        if (data.refSeries[1][i] != 0.0)
            lines << line(QT_TRANSLATE_NOOP("Charts", "Red mark"), number(data.refSeries[1][i]));
        if (data.refSeries[2][i] != 0.0)
            lines << line(QT_TRANSLATE_NOOP("Charts", "Blue mark"), number(data.refSeries[2][i]));
        lines << line(QT_TRANSLATE_NOOP("Charts", "Line"), QString::number(data.refLineNumbers[i]));
        break;
    }
}

} // namespace

std::optional<ChartReadout> chartReadoutAt(const MeasurementSet &data, const DeviceRect &clientArea,
                                           int x, int y, const AngleRange &range,
                                           const MeasurementSet *compared)
{
    std::optional<ChartReadout> found;
    const AmplitudeGeometry amplitude = screenAmplitude(clientArea, range);
    const ReferenceGeometry reference = screenReference(data, clientArea, range, compared);
    if (contains(amplitude.plotRect, x, y)) {
        found = ChartReadout{Chart::Amplitude, xToAngle(amplitude.plotRect.left, amplitude.xScale, range, x),
                             nearestAmplitudeSample(data, amplitude, x, y)};
    } else if (contains(reference.plotRect, x, y)) {
        found = ChartReadout{Chart::Reference, xToAngle(reference.plotRect.left, reference.xScale, range, x),
                             nearestReferenceEntry(data, reference, x, y)};
    }
    // Both measurements are read at one angle, so that their values stand side by side.
    if (found && compared)
        found->comparedIndex = nearestSampleByAngle(found->chart, *compared, readoutAngle(*found, data));
    return found;
}

int nearestSampleByAngle(Chart chart, const MeasurementSet &data, double angle)
{
    int nearest = -1;
    double best = std::numeric_limits<double>::infinity();
    for (int i = 0; i < chartSampleCount(chart, data); ++i) {
        // An angle that is NaN or infinite is near no angle.
        const double distance = std::abs(angles(chart, data)[i] - angle);
        if (std::isfinite(distance) && distance < best) {
            nearest = i;
            best = distance;
        }
    }
    return nearest;
}

double readoutAngle(const ChartReadout &readout, const MeasurementSet &data)
{
    if (readout.index < 0)
        return readout.angle;
    const double angle = angles(readout.chart, data)[readout.index];
    return std::isfinite(angle) ? angle : readout.angle;
}

DeviceRect chartPlotRect(Chart chart, const DeviceRect &clientArea)
{
    switch (chart) {
    case Chart::Amplitude:
        return screenAmplitude(clientArea).plotRect;
    case Chart::Reference:
        // The value scale moves rows only; the plot does not depend on it.
        return referenceGeometry(referenceFrame(1.0, 1.0, ChartMedium::Screen, clientArea),
                                 ReferenceScale{}).plotRect;
    }
    Q_UNREACHABLE();
}

int chartSampleCount(Chart chart, const MeasurementSet &data)
{
    switch (chart) {
    case Chart::Amplitude:
        return std::clamp(data.ampCount, 0, MeasurementSet::maxAmpCount);
    case Chart::Reference:
        return std::clamp(data.refCount, 0, MeasurementSet::maxRefCount);
    }
    Q_UNREACHABLE();
}

QPoint chartSamplePoint(Chart chart, const MeasurementSet &data, const DeviceRect &clientArea,
                        int index, const AngleRange &range, const MeasurementSet *compared)
{
    Q_ASSERT(index >= 0 && index < chartSampleCount(chart, data));
    switch (chart) {
    case Chart::Amplitude: {
        const AmplitudeGeometry g = screenAmplitude(clientArea, range);
        return {amplitudeX(g, data.ampSeries[0][index]), amplitudeY(g, data.ampSeries[1][index])};
    }
    case Chart::Reference: {
        const ReferenceGeometry g = screenReference(data, clientArea, range, compared);
        return {referenceX(g, data.refSeries[0][index]), referenceY(g, data.refSeries[3][index])};
    }
    }
    Q_UNREACHABLE();
}

QString chartReadoutText(const ChartReadout &readout, const MeasurementSet &data,
                         const ChartComparison &comparison)
{
    QStringList lines;
    if (readout.index < 0)
        lines << line(QT_TRANSLATE_NOOP("Charts", "Angle"), degrees(readout.angle));
    else
        appendSampleLines(lines, readout.chart, data, readout.index);
    if (comparison.data && readout.comparedIndex >= 0) {
        // The file the chart's legend names for it.
        lines << legendTitles(readout.chart == Chart::Amplitude ? LegendFiles::Amplitude : LegendFiles::Reference,
                              comparison).compared;
        // Its angle only where it reads otherwise than the one above.
        const double comparedAngle = angles(readout.chart, *comparison.data)[readout.comparedIndex];
        const bool sameAngle = degrees(comparedAngle) == degrees(readoutAngle(readout, data));
        appendSampleLines(lines, readout.chart, *comparison.data, readout.comparedIndex,
                          sameAngle ? AngleLine::Omitted : AngleLine::Listed);
    }
    return lines.join(QLatin1Char('\n'));
}

QString chartDescription(Chart chart, const MeasurementSet &data, const QString &fileTitle)
{
    const bool amplitude = chart == Chart::Amplitude;
    const double *first = angles(chart, data);
    const int count = chartSampleCount(chart, data);
    const auto [lowest, highest] = std::minmax_element(first, first + count);
    const QString text = amplitude ? QCoreApplication::translate("Charts", "Amplitude curves of %1: %2 samples from %3° to %4°")
                                   : QCoreApplication::translate("Charts", "Reference marks of %1: %2 entries from %3° to %4°");
    return text.arg(fileTitle, QString::number(count), number(count ? *lowest : 0.0),
                    number(count ? *highest : 0.0));
}
