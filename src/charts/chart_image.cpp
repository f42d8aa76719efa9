#include "charts/chart_image.h"

#include "charts/chart_colours.h"

#include "charts/charts.h"
#include "data/output_file.h"
#include "draw/qpainter_surface.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace {

bool writePng(QIODevice &device, const QImage &image)
{
    const QImage palette = toPaletteImage(image);
    return (palette.isNull() ? image : palette).save(&device, "PNG");
}

bool writeSvg(QIODevice &device, QSize clientSize, const MeasurementSet &data, const ChartTools &tools)
{
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
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
                          const ChartTools &tools, QPainterSurface::WideLines wideLines)
{
    painter.fillRect(QRect(QPoint(0, 0), clientSize), toQColor(resultsWindowBackground));
    QPainterSurface surface(painter, wideLines);
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

bool writeChartImageTo(QIODevice &out, ChartImageFormat format, QSize clientSize,
                       const MeasurementSet &data, const ChartTools &tools)
{
    if (clientSize.isEmpty())
        return false;
    switch (format) {
    case ChartImageFormat::Png:
        return writePng(out, renderChartImage(clientSize, data, tools));
    case ChartImageFormat::Svg:
        return writeSvg(out, clientSize, data, tools);
    }
    Q_UNREACHABLE();
}

QString writeChartImage(const QString &outPath, QSize clientSize, const MeasurementSet &data,
                        const ChartTools &tools)
{
    if (clientSize.isEmpty())
        return QStringLiteral("Empty image size");
    ChartImageFormat format = ChartImageFormat::Png;
    if (outPath.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        format = ChartImageFormat::Svg;
    else if (!outPath.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return QStringLiteral("Neither a .png nor a .svg name");
    return writeOutputFile(outPath, [&](QIODevice &device) {
        return writeChartImageTo(device, format, clientSize, data, tools);
    });
}
