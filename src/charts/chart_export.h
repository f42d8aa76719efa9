#pragma once

#include "charts/chart_tools.h"
#include "data/measurement_set.h"

#include <QSize>

class QIODevice;

enum class ChartImageFormat { Png, Svg };

// Writes the results window's client area as writeChartImage draws it (PNG as a palette image
// when that keeps every pixel) to an open device. False when the size is empty or the device
// refused the data.
bool writeChartImageTo(QIODevice &out, ChartImageFormat format, QSize clientSize,
                       const MeasurementSet &data, const ChartTools &tools);
