#include "charts/angle_range.h"

#include "draw/device_units.h"

#include <QChar>

#include <algorithm>
#include <cmath>

namespace {

// Moves a range of a valid span back inside 0 to 360 without changing its span.
AngleRange keptInside(double first, double span)
{
    if (span >= AngleRange::fullLast - AngleRange::fullFirst)
        return {};
    first = std::clamp(first, AngleRange::fullFirst, AngleRange::fullLast - span);
    return {first, first + span};
}

} // namespace

AngleRange zoomedRange(const AngleRange &range, double factor, double anchor)
{
    if (!(factor > 0) || !std::isfinite(anchor))
        return range;
    const double span = std::clamp(range.span() * factor, AngleRange::minSpan, AngleRange::fullLast);
    anchor = std::clamp(anchor, range.first, range.last);
    const double share = (anchor - range.first) / range.span();
    return keptInside(anchor - share * span, span);
}

AngleRange pannedRange(const AngleRange &range, double degrees)
{
    if (!std::isfinite(degrees))
        return range;
    return keptInside(range.first + degrees, range.span());
}

AngleRange rangeBetween(double from, double to)
{
    double first = std::clamp(std::min(from, to), AngleRange::fullFirst, AngleRange::fullLast);
    const double last = std::clamp(std::max(from, to), AngleRange::fullFirst, AngleRange::fullLast);
    const double span = std::max(last - first, AngleRange::minSpan);
    return keptInside(first, span);
}

AngleTicks angleTicks(const AngleRange &range)
{
    // From the finest step up: the first that divides the range into at most 12 steps. The
    // decimals are written out, not computed by logarithm, so 0.1 gets exactly one.
    static constexpr AngleTicks steps[] = {{0.001, 3}, {0.002, 3}, {0.005, 3}, {0.01, 2}, {0.02, 2},
                                           {0.05, 2},  {0.1, 1},   {0.2, 1},   {0.5, 1},  {1, 0},
                                           {2, 0},     {5, 0},     {15, 0},    {45, 0}};
    constexpr double maxSteps = 12 * (1 + 1e-9);
    for (const AngleTicks &ticks : steps) {
        if (range.span() / ticks.step <= maxSteps)
            return ticks;
    }
    return steps[std::size(steps) - 1];
}

QList<double> tickAngles(const AngleRange &range, const AngleTicks &ticks)
{
    // A tick on an edge counts though rounding put it a hair outside.
    const double tolerance = ticks.step * 1e-6;
    QList<double> angles;
    for (double k = std::ceil((range.first - tolerance) / ticks.step);
         k * ticks.step <= range.last + tolerance; ++k)
        angles.append(k * ticks.step);
    return angles;
}

QString degreeLabel(double angle, int decimals)
{
    return QLatin1Char(' ') + QString::number(angle, 'f', decimals) + QChar(0x00B0);
}

double angleScale(int plotLeft, int plotRight, const AngleRange &range)
{
    return (plotRight - plotLeft) / range.span();
}

int angleToX(int plotLeft, double scale, const AngleRange &range, double angle)
{
    // At the full view first is 0 and this is the charts' own scale * angle + left, bit for bit.
    return truncToInt(scale * (angle - range.first) + plotLeft);
}

double angleToRealX(int plotLeft, double scale, const AngleRange &range, double angle)
{
    return clampToIntRange(scale * (angle - range.first) + plotLeft);
}

double xToAngle(int plotLeft, double scale, const AngleRange &range, int x)
{
    return scale > 0 ? range.first + (x - plotLeft) / scale : range.first;
}

bool clipSegment(const DeviceRect &rect, QPointF &from, QPointF &to)
{
    return clipLine(QRectF(QPointF(rect.left, rect.top), QPointF(rect.right - 1.0, rect.bottom - 1.0)),
                    from, to);
}
