#include "charts/trend_image.h"

#include "charts/chart_colours.h"
#include "charts/chart_image.h"
#include "data/output_file.h"
#include "draw/qpainter_surface.h"

#include <QPainter>
#include <QSvgGenerator>

void paintTrendClientArea(QPainter &painter, QSize clientSize, const std::vector<TrendPoint> &points,
                          const QString &title, const ChartTools &tools)
{
    painter.fillRect(QRect(QPoint(0, 0), clientSize), toQColor(resultsWindowBackground));
    QPainterSurface surface(painter);
    drawTrendChart(surface, points, title, tools, {0, 0, clientSize.width(), clientSize.height()});
}

QImage renderTrendImage(QSize clientSize, const std::vector<TrendPoint> &points, const QString &title,
                        const ChartTools &tools)
{
    if (clientSize.isEmpty())
        return {};
    QImage image(clientSize, QImage::Format_RGB32);
    QPainter painter;
    if (image.isNull() || !painter.begin(&image))
        return {};
    paintTrendClientArea(painter, clientSize, points, title, tools);
    painter.end();
    return image;
}

QString writeTrendImage(const QString &outPath, QSize clientSize, const std::vector<TrendPoint> &points,
                        const QString &title, const ChartTools &tools)
{
    if (clientSize.isEmpty())
        return QStringLiteral("Empty image size");
    if (outPath.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        return writeOutputFile(outPath, [&](QIODevice &device) {
            QSvgGenerator generator;
            generator.setOutputDevice(&device);
            generator.setSize(clientSize);
            generator.setViewBox(QRect(QPoint(0, 0), clientSize));
            generator.setResolution(96);
            QPainter painter;
            if (!painter.begin(&generator))
                return false;
            paintTrendClientArea(painter, clientSize, points, title, tools);
            return painter.end();
        });
    }
    if (!outPath.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return QStringLiteral("Neither a .png nor a .svg name");
    // Drawn before the output is touched, so a size that gets no memory leaves nothing behind.
    const QImage image = renderTrendImage(clientSize, points, title, tools);
    if (image.isNull())
        return notEnoughMemoryFor(clientSize);
    return writeOutputFile(outPath, [&](QIODevice &device) { return writeChartPng(device, image); });
}
