#pragma once

#include "charts/angle_range.h"
#include "charts/chart_tools.h"
#include "charts/charts.h"
#include "data/measurement_set.h"
#include "draw/qpainter_surface.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

class QIODevice;
class QPainter;

enum class ChartImageFormat { Png, Svg };

// The results window's client area as its paint handler draws it: the window's background
// colour, then both charts on screen at scale 1 for a client area of clientSize.
// The titles are in the current language. range: the angles shown, the full view unless zoomed.
// comparison: a second measurement drawn behind data, as the charts draw one.
void paintChartClientArea(QPainter &painter, QSize clientSize, const MeasurementSet &data,
                          const ChartTools &tools,
                          QPainterSurface::WideLines wideLines = QPainterSurface::WideLines::Stamped,
                          const AngleRange &range = {}, const ChartComparison &comparison = {});

// Writes that picture to outPath: a PNG when the name ends in ".png" (stored as an 8-bit palette
// image when that keeps every pixel, else as RGB), an SVG when it ends in ".svg" (either case).
// The file is written whole or not at all (see writeOutputFile). Returns an empty string when
// it was written, else the reason: another ending, an empty size, no memory for the image
// (notEnoughMemoryFor; nothing is written), or the system's reason.
QString writeChartImage(const QString &outPath, QSize clientSize, const MeasurementSet &data,
                        const ChartTools &tools, const ChartComparison &comparison = {});

// The same picture written to an open device; false for an empty size or when the device
// refused the data.
bool writeChartImageTo(QIODevice &out, ChartImageFormat format, QSize clientSize,
                       const MeasurementSet &data, const ChartTools &tools,
                       const AngleRange &range = {}, const ChartComparison &comparison = {});

// The same image in memory, 32-bit RGB; a null image for an empty size or when its memory
// cannot be had.
QImage renderChartImage(QSize clientSize, const MeasurementSet &data, const ChartTools &tools,
                        const AngleRange &range = {}, const ChartComparison &comparison = {});

// Writes image as a PNG, as an 8-bit palette image when that keeps every pixel; false for a
// null image or when the device refused the data.
bool writeChartPng(QIODevice &device, const QImage &image);

// Paints a client area of a given size (the charts, the trend) through the painter it is given.
using ClientAreaPaint = std::function<void(QPainter &)>;
// paint on a 32-bit RGB image; a null image for an empty size or when its memory cannot be had.
QImage renderClientImage(QSize clientSize, const ClientAreaPaint &paint);
// paint as an SVG of clientSize at 96 dpi on device; false when the device refused the data.
bool writeClientSvg(QIODevice &device, QSize clientSize, const ClientAreaPaint &paint);
// paint written to outPath as writeChartImage writes the charts: the format by the name's
// ending, whole or not at all, the same reasons on failure.
QString writeClientImage(const QString &outPath, QSize clientSize, const ClientAreaPaint &paint);

// The reason given when a chart image of this size gets no memory: "not enough memory for WxH".
QString notEnoughMemoryFor(QSize clientSize);

// The image as an 8-bit palette image when it has at most 256 colours, else (or without memory
// for it) a null image.
QImage toPaletteImage(const QImage &image);
