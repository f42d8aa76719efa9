#include "charts/trend_image.h"

#include "charts/chart_colours.h"
#include "charts/chart_image.h"
#include "draw/qpainter_surface.h"

#include <QPainter>

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
    return renderClientImage(clientSize, [&](QPainter &painter) {
        paintTrendClientArea(painter, clientSize, points, title, tools);
    });
}

QString writeTrendImage(const QString &outPath, QSize clientSize, const std::vector<TrendPoint> &points,
                        const QString &title, const ChartTools &tools)
{
    return writeClientImage(outPath, clientSize, [&](QPainter &painter) {
        paintTrendClientArea(painter, clientSize, points, title, tools);
    });
}
