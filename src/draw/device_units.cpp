#include "draw/device_units.h"

#include <algorithm>
#include <climits>
#include <cmath>

int truncToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

double clampToIntRange(double value)
{
    if (std::isnan(value))
        return 0.0;
    return std::clamp(value, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX));
}

int64_t truncToInt64(double value)
{
    constexpr double limit = 9223372036854775808.0;   // 2^63
    if (std::isnan(value))
        return 0;
    if (value >= limit)
        return INT64_MAX;
    if (value <= -limit)
        return INT64_MIN;
    return static_cast<int64_t>(value);
}

static int clampToInt(int64_t value)
{
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

int saturatingAdd(int a, int b)
{
    return clampToInt(static_cast<int64_t>(a) + b);
}

int saturatingSub(int a, int b)
{
    return clampToInt(static_cast<int64_t>(a) - b);
}

bool clipLine(const QRectF &area, QPointF &from, QPointF &to)
{
    // Liang-Barsky: a point of a wild angle lies billions of units outside, and the cut must keep
    // the direction of the line through it.
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    double first = 0.0;
    double last = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {from.x() - area.left(), area.right() - from.x(), from.y() - area.top(),
                         area.bottom() - from.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            first = std::max(first, t);
        else
            last = std::min(last, t);
        if (first > last)
            return false;
    }
    const QPointF start = first > 0.0 ? from + first * QPointF(dx, dy) : from;
    if (last < 1.0)
        to = from + last * QPointF(dx, dy);
    from = start;
    // Rounding may leave a cut end a hair outside; the area holds it.
    for (QPointF *end : {&from, &to})
        *end = QPointF(std::clamp(end->x(), area.left(), area.right()),
                       std::clamp(end->y(), area.top(), area.bottom()));
    return true;
}
