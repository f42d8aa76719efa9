#include "charts/chart_image.h"

#include "charts/chart_colours.h"

#include "charts/charts.h"
#include "draw/qpainter_surface.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace {

bool writePng(const QString &outPath, const QImage &image)
{
    const QImage palette = toPaletteImage(image);
    return (palette.isNull() ? image : palette).save(outPath, "PNG");
}

bool writeSvg(const QString &outPath, QSize clientSize, const MeasurementSet &data,
              const ChartTools &tools)
{
    // QSvgGenerator reports no failure to open its file, so find out first.
    QFile probe(outPath);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    probe.close();

    QSvgGenerator generator;
    generator.setFileName(outPath);
    generator.setSize(clientSize);
    generator.setViewBox(QRect(QPoint(0, 0), clientSize));
    generator.setResolution(96);
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    paintChartClientArea(painter, clientSize, data, tools);
    return painter.end();
}

} // namespace

void paintChartClientArea(QPainter &painter, QSize clientSize, const MeasurementSet &data,
                          const ChartTools &tools)
{
    painter.fillRect(QRect(QPoint(0, 0), clientSize), toQColor(resultsWindowBackground));
    QPainterSurface surface(painter);
    const DeviceRect clientArea{0, 0, clientSize.width(), clientSize.height()};
    drawAmplitudeChart(surface, data, tools, 1.0, 1.0, ChartMedium::Screen, clientArea);
    drawReferenceMarksChart(surface, data, tools, 1.0, 1.0, ChartMedium::Screen, clientArea);
}

QImage renderChartImage(QSize clientSize, const MeasurementSet &data, const ChartTools &tools)
{
    if (clientSize.isEmpty())
        return {};
    QImage image(clientSize, QImage::Format_RGB32);
    QPainter painter(&image);
    paintChartClientArea(painter, clientSize, data, tools);
    painter.end();
    return image;
}

QImage toPaletteImage(const QImage &image)
{
    // Counting first: Qt's own conversion would dither or merge colours beyond 256.
    QList<QRgb> table;
    QHash<QRgb, int> indexOf;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *source = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *target = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = source[x] | 0xff000000u;
            auto found = indexOf.constFind(colour);
            if (found == indexOf.constEnd()) {
                if (table.size() == 256)
                    return {};
                found = indexOf.insert(colour, static_cast<int>(table.size()));
                table.append(colour);
            }
            target[x] = static_cast<uchar>(found.value());
        }
    }
    indexed.setColorTable(table);
    return indexed;
}

bool writeChartImage(const QString &outPath, QSize clientSize, const MeasurementSet &data,
                     const ChartTools &tools)
{
    if (clientSize.isEmpty())
        return false;
    if (outPath.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return writePng(outPath, renderChartImage(clientSize, data, tools));
    if (outPath.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return writeSvg(outPath, clientSize, data, tools);
    return false;
}
