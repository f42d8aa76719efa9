#pragma once

#include "charts/chart_tools.h"
#include "charts/trend_chart.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

class QPainter;

// The trend on the results window's background colour, filling a client area of clientSize.
void paintTrendClientArea(QPainter &painter, QSize clientSize, const std::vector<TrendPoint> &points,
                          const QString &title, const ChartTools &tools);

// The same picture in memory, 32-bit RGB; a null image for an empty size or without memory.
QImage renderTrendImage(QSize clientSize, const std::vector<TrendPoint> &points, const QString &title,
                        const ChartTools &tools);

// Writes it to outPath as --chart writes its picture (writeChartImage): a PNG or an SVG by the
// name's ending, whole or not at all. Returns an empty string when written, else the reason.
QString writeTrendImage(const QString &outPath, QSize clientSize, const std::vector<TrendPoint> &points,
                        const QString &title, const ChartTools &tools);
