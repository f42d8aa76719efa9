#include "data/measurement_figures.h"

#include <algorithm>
#include <cmath>

namespace {

enum class Zone { Inside, Above, Below };

Zone zoneOf(double value)
{
    if (value > upperLimit)
        return Zone::Above;
    if (value < lowerLimit)
        return Zone::Below;
    return Zone::Inside;   // on a line, and a NaN, which the reader never gives
}

double lineOf(Zone zone)
{
    return zone == Zone::Above ? upperLimit : lowerLimit;
}

// How far a value lies outside the line of its zone.
double distanceOutside(Zone zone, double value)
{
    return zone == Zone::Above ? value - upperLimit : lowerLimit - value;
}

// The step from one sample's angle to the next: forward, over the wrap, or a break.
struct Step {
    bool unbroken = false;
    bool wraps = false;
    double forward = 0;   // degrees, >= 0
};

Step stepBetween(double from, double to)
{
    const double difference = to - from;
    if (!std::isfinite(difference))
        return {};
    if (difference >= 0)
        return {true, false, difference};
    if (difference >= -360 && difference < -180)
        return {true, true, difference + 360};
    return {};   // backwards: the stretch is cut here
}

// Where between two samples (0 at the first, 1 at the second) the curve meets the line. An
// infinite value lies infinitely far, so the crossing sits at the finite neighbour.
double crossingFraction(double from, double to, double line)
{
    double fraction = (line - from) / (to - from);
    if (std::isnan(fraction))
        fraction = std::isinf(from) && std::isinf(to) ? 0.5 : (std::isinf(from) ? 1.0 : 0.0);
    return std::clamp(fraction, 0.0, 1.0);
}

double angleAt(double from, const Step &step, double fraction)
{
    const double angle = from + fraction * step.forward;
    return step.wraps && angle >= 360 ? angle - 360 : angle;
}

class ExcursionScan {
public:
    explicit ExcursionScan(CurveExcursions &result) : result(result) {}

    void start(Zone zone, double angle, double width, double value, double valueAngle)
    {
        open = zone;
        current = Excursion{};
        current.side = zone == Zone::Above ? LimitSide::Above : LimitSide::Below;
        current.startAngle = angle;
        current.width = width;
        current.worstValue = value;
        current.worstAngle = valueAngle;
    }

    void extend(double width, double value, double valueAngle)
    {
        current.width += width;
        if (distanceOutside(open, value) > distanceOutside(open, current.worstValue)) {
            current.worstValue = value;
            current.worstAngle = valueAngle;
        }
    }

    void end(double angle, double width)
    {
        current.endAngle = angle;
        current.width += width;
        result.angleOutside += current.width;
        const bool first = result.ranges.empty();
        if (first || distanceOutside(open, current.worstValue) > worstDistance) {
            worstDistance = distanceOutside(open, current.worstValue);
            result.worstValue = current.worstValue;
            result.worstAngle = current.worstAngle;
        }
        result.ranges.push_back(current);
        open = Zone::Inside;
    }

    Zone open = Zone::Inside;

private:
    CurveExcursions &result;
    Excursion current;
    double worstDistance = 0;
};

} // namespace

SeriesFigures seriesFigures(const double *angles, const double *values, int count)
{
    SeriesFigures figures;
    if (count <= 0)
        return figures;
    figures.count = count;
    figures.minimum = figures.maximum = values[0];
    figures.minimumAngle = figures.maximumAngle = angles[0];
    // The wider sum keeps a mean of large values from overflowing on the way.
    long double sum = 0;
    for (int index = 0; index < count; ++index) {
        const double value = values[index];
        sum += value;
        if (value < figures.minimum) {
            figures.minimum = value;
            figures.minimumAngle = angles[index];
        }
        if (value > figures.maximum) {
            figures.maximum = value;
            figures.maximumAngle = angles[index];
        }
    }
    figures.mean = double(sum / count);
    figures.peakToPeak = figures.maximum - figures.minimum;
    return figures;
}

CurveExcursions curveExcursions(const double *angles, const double *values, int count)
{
    CurveExcursions result;
    ExcursionScan scan(result);
    for (int index = 0; index < count; ++index) {
        const double value = values[index];
        const Zone zone = zoneOf(value);
        const Step step = index > 0 ? stepBetween(angles[index - 1], angles[index]) : Step{};
        if (!step.unbroken) {
            // The first sample, or angles that went back: nothing is interpolated over the step.
            if (scan.open != Zone::Inside)
                scan.end(angles[index - 1], 0);
            if (zone != Zone::Inside)
                scan.start(zone, angles[index], 0, value, angles[index]);
            continue;
        }
        const double previous = values[index - 1];
        if (scan.open != Zone::Inside && zone == scan.open) {
            scan.extend(step.forward, value, angles[index]);
            continue;
        }
        if (scan.open != Zone::Inside) {
            const double fraction = crossingFraction(previous, value, lineOf(scan.open));
            scan.end(angleAt(angles[index - 1], step, fraction), fraction * step.forward);
        }
        if (zone != Zone::Inside) {
            const double fraction = crossingFraction(previous, value, lineOf(zone));
            scan.start(zone, angleAt(angles[index - 1], step, fraction), (1 - fraction) * step.forward, value,
                       angles[index]);
        }
    }
    if (scan.open != Zone::Inside)
        scan.end(angles[count - 1], 0);
    return result;
}

MeasurementFigures measurementFigures(const MeasurementSet &data)
{
    MeasurementFigures figures;
    const int ampCount = std::clamp(data.ampCount, 0, MeasurementSet::maxAmpCount);
    const int refCount = std::clamp(data.refCount, 0, MeasurementSet::maxRefCount);
    for (int curve = 0; curve < 2; ++curve) {
        figures.amplitude[curve] = seriesFigures(data.ampSeries[0], data.ampSeries[curve + 1], ampCount);
        figures.excursions[curve] = curveExcursions(data.ampSeries[0], data.ampSeries[curve + 1], ampCount);
    }
    for (int series = 0; series < 4; ++series)
        figures.reference[series] = seriesFigures(data.refSeries[0], data.refSeries[series + 1], refCount);
    return figures;
}
