#pragma once

#include <QPointF>
#include <QRectF>

#include <cstdint>

// Reals become device units by cutting toward zero. Values from the files reach far beyond int
// (or are infinite), and converting those is undefined behaviour, so every conversion clamps
// first: such values stick to the ends of the range and draw far off the page.

// Cuts toward zero, clamped to the int range; NaN gives 0.
int truncToInt(double value);
// The real kept where truncToInt puts it: clamped to the int range, NaN as 0, not cut. Lines
// cut in reals between such points keep the direction of the ones drawn between the units.
double clampToIntRange(double value);
// The same for 64-bit integers.
int64_t truncToInt64(double value);
// a + b, a - b clamped to the int range instead of wrapping.
int saturatingAdd(int a, int b);
int saturatingSub(int a, int b);

// The line from `from` to `to` cut to area, its edges included, in reals; false when none of it
// lies there. Ends inside stay exactly as they were. Finite coordinates only.
bool clipLine(const QRectF &area, QPointF &from, QPointF &to);
