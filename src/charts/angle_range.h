#pragma once

#include "draw/surface.h"

#include <QPointF>
#include <QString>

// The angles the charts' horizontal axis shows, in degrees, within 0 to 360. The full view is
// exactly 0 to 360, and at the full view the charts draw as they always have.
struct AngleRange {
    static constexpr double fullFirst = 0.0;
    static constexpr double fullLast = 360.0;
    // The narrowest range a zoom reaches; its ticks still get distinct labels.
    static constexpr double minSpan = 0.01;

    double first = fullFirst;
    double last = fullLast;

    double span() const { return last - first; }
    bool isFull() const { return first == fullFirst && last == fullLast; }
    friend bool operator==(const AngleRange &, const AngleRange &) = default;
};

// The range scaled by factor (below 1 zooms in) around anchor, which stays where it was on the
// axis; the span is kept between minSpan and 360 and the range moved back inside 0 to 360.
AngleRange zoomedRange(const AngleRange &range, double factor, double anchor);
// The range moved by degrees (positive: towards larger angles), stopped at 0 and 360.
AngleRange pannedRange(const AngleRange &range, double degrees);
// The range between two angles in either order, clamped to 0 to 360 and at least minSpan wide.
AngleRange rangeBetween(double from, double to);

// The angle axis' grid: lines every step degrees, labelled with decimals digits after the
// point. 45 degrees at the full view, then 15, 5, 2, 1, 0.5, 0.2, 0.1, ... so that a range
// has at most 12 steps.
struct AngleTicks {
    double step = 45.0;
    int decimals = 0;
    friend bool operator==(const AngleTicks &, const AngleTicks &) = default;
};
AngleTicks angleTicks(const AngleRange &range);
// The tick angles of a range, from its first multiple of step to its last, in order.
QList<double> tickAngles(const AngleRange &range, const AngleTicks &ticks);
// " 217.5°": a blank, the angle with ticks.decimals digits and the degree sign.
QString degreeLabel(double angle, int decimals);

// The mapping of angles to device x across a plot from plotLeft to plotRight: units per degree,
// the x of an angle (cut toward zero) and the angle under an x.
double angleScale(int plotLeft, int plotRight, const AngleRange &range);
int angleToX(int plotLeft, double scale, const AngleRange &range, double angle);
// The same x before the cut: clamped to the int range (see clampToIntRange), NaN as 0.
double angleToRealX(int plotLeft, double scale, const AngleRange &range, double angle);
double xToAngle(int plotLeft, double scale, const AngleRange &range, int x);

// The segment from `from` to `to`, in reals, cut to the rectangle (right column and bottom row
// excluded); false when none of it lies inside. Finite ends only (clampToIntRange gives them).
bool clipSegment(const DeviceRect &rect, QPointF &from, QPointF &to);
