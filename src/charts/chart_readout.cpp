#include "charts/chart_readout.h"

#include "charts/chart_geometry.h"
#include "charts/charts.h"
#include "lang/ui_texts.h"

#include <algorithm>
#include <cmath>

namespace {

bool contains(const DeviceRect &rect, int x, int y)
{
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

// The inverse of the charts' x mapping: x = plot left + angle * units per degree.
double angleAt(const DeviceRect &plot, double xScale, int x)
{
    return xScale > 0 ? (x - plot.left) / xScale : 0.0;
}

int nearestIndex(const double *angles, int count, double angle)
{
    int nearest = -1;
    double best = 0.0;
    for (int i = 0; i < count; ++i) {
        const double distance = std::abs(angles[i] - angle);
        if (nearest < 0 || distance < best) {
            nearest = i;
            best = distance;
        }
    }
    return nearest;
}

QString number(double value)
{
    return QString::number(value, 'f', 2);
}

QString line(UiText label, const QString &value)
{
    return uiText(label) + QStringLiteral(": ") + value;
}

} // namespace

std::optional<ChartReadout> chartReadoutAt(const MeasurementSet &data, const DeviceRect &clientArea,
                                           int x, int y)
{
    const AmplitudeGeometry amplitude =
        amplitudeGeometry(amplitudeFrame(1.0, 1.0, ChartMedium::Screen, clientArea));
    if (contains(amplitude.plotRect, x, y)) {
        const double angle = angleAt(amplitude.plotRect, amplitude.xScale, x);
        const int count = std::clamp(data.ampCount, 0, MeasurementSet::maxAmpCount);
        return ChartReadout{ChartReadout::Chart::Amplitude, angle,
                            nearestIndex(data.ampSeries[0], count, angle)};
    }
    // The value scale moves rows only; the plot and its angles do not depend on it.
    const ReferenceGeometry reference =
        referenceGeometry(referenceFrame(1.0, 1.0, ChartMedium::Screen, clientArea), ReferenceScale{});
    if (contains(reference.plotRect, x, y)) {
        const double angle = angleAt(reference.plotRect, reference.xScale, x);
        const int count = std::clamp(data.refCount, 0, MeasurementSet::maxRefCount);
        return ChartReadout{ChartReadout::Chart::Reference, angle,
                            nearestIndex(data.refSeries[0], count, angle)};
    }
    return std::nullopt;
}

QString chartReadoutText(const ChartReadout &readout, const MeasurementSet &data)
{
    const bool amplitude = readout.chart == ChartReadout::Chart::Amplitude;
    const int i = readout.index;
    const double angle = i < 0 ? readout.angle : (amplitude ? data.ampSeries[0][i] : data.refSeries[0][i]);
    QStringList lines{line(UiText::Angle, number(angle) + QChar(0x00B0))};
    if (i >= 0 && amplitude) {
        lines << line(UiText::Curve1, number(data.ampSeries[1][i]) + QLatin1Char('%'))
              << line(UiText::Curve2, number(data.ampSeries[2][i]) + QLatin1Char('%'));
    } else if (i >= 0) {
        lines << line(UiText::RedMark, number(data.refSeries[1][i]))
              << line(UiText::BlueMark, number(data.refSeries[2][i]));
    }
    return lines.join(QLatin1Char('\n'));
}
