#include "charts/chart_image.h"

#include "charts/chart_colours.h"

#include "charts/charts.h"
#include "data/output_file.h"
#include "draw/qpainter_surface.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

QImage renderClientImage(QSize clientSize, const ClientAreaPaint &paint)
{
    if (clientSize.isEmpty())
        return {};
    // A large size may not get its memory: Qt then gives a null image, which must not be painted.
    QImage image(clientSize, QImage::Format_RGB32);
    QPainter painter;
    if (image.isNull() || !painter.begin(&image))
        return {};
    paint(painter);
    painter.end();
    return image;
}

bool writeClientSvg(QIODevice &device, QSize clientSize, const ClientAreaPaint &paint)
{
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setSize(clientSize);
    generator.setViewBox(QRect(QPoint(0, 0), clientSize));
    generator.setResolution(96);
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    paint(painter);
    return painter.end();
}

QString writeClientImage(const QString &outPath, QSize clientSize, const ClientAreaPaint &paint)
{
    if (clientSize.isEmpty())
        return QStringLiteral("Empty image size");
    if (outPath.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return writeOutputFile(outPath, [&](QIODevice &device) { return writeClientSvg(device, clientSize, paint); });
    if (!outPath.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return QStringLiteral("Neither a .png nor a .svg name");
    // Drawn before the output is touched, so a size that gets no memory leaves nothing behind.
    const QImage image = renderClientImage(clientSize, paint);
    if (image.isNull())
        return notEnoughMemoryFor(clientSize);
    return writeOutputFile(outPath, [&](QIODevice &device) { return writeChartPng(device, image); });
}

bool writeChartPng(QIODevice &device, const QImage &image)
{
    if (image.isNull())
        return false;
    // The palette copy is only a smaller file; without memory for it the RGB image is written.
    const QImage palette = toPaletteImage(image);
    return (palette.isNull() ? image : palette).save(&device, "PNG");
}

QString notEnoughMemoryFor(QSize clientSize)
{
    return QStringLiteral("not enough memory for %1x%2").arg(clientSize.width()).arg(clientSize.height());
}

void paintChartClientArea(QPainter &painter, QSize clientSize, const MeasurementSet &data,
                          const ChartTools &tools, QPainterSurface::WideLines wideLines,
                          const AngleRange &range, const ChartComparison &comparison)
{
    painter.fillRect(QRect(QPoint(0, 0), clientSize), toQColor(resultsWindowBackground));
    QPainterSurface surface(painter, wideLines);
    const DeviceRect clientArea{0, 0, clientSize.width(), clientSize.height()};
    drawAmplitudeChart(surface, data, tools, 1.0, 1.0, ChartMedium::Screen, clientArea, range, comparison);
    drawReferenceMarksChart(surface, data, tools, 1.0, 1.0, ChartMedium::Screen, clientArea, range,
                            comparison);
}

QImage renderChartImage(QSize clientSize, const MeasurementSet &data, const ChartTools &tools,
                        const AngleRange &range, const ChartComparison &comparison)
{
    return renderClientImage(clientSize, [&](QPainter &painter) {
        paintChartClientArea(painter, clientSize, data, tools, QPainterSurface::WideLines::Stamped, range,
                             comparison);
    });
}

QImage toPaletteImage(const QImage &image)
{
    // Counting first: Qt's own conversion would dither or merge colours beyond 256.
    QList<QRgb> table;
    QHash<QRgb, int> indexOf;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    if (rgb.isNull() || indexed.isNull())
        return {};
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
                       const MeasurementSet &data, const ChartTools &tools, const AngleRange &range,
                       const ChartComparison &comparison)
{
    if (clientSize.isEmpty())
        return false;
    switch (format) {
    case ChartImageFormat::Png:
        return writeChartPng(out, renderChartImage(clientSize, data, tools, range, comparison));
    case ChartImageFormat::Svg:
        return writeClientSvg(out, clientSize, [&](QPainter &painter) {
            paintChartClientArea(painter, clientSize, data, tools, QPainterSurface::WideLines::Stamped, range,
                                 comparison);
        });
    }
    Q_UNREACHABLE();
}

QString writeChartImage(const QString &outPath, QSize clientSize, const MeasurementSet &data,
                        const ChartTools &tools, const ChartComparison &comparison)
{
    return writeClientImage(outPath, clientSize, [&](QPainter &painter) {
        paintChartClientArea(painter, clientSize, data, tools, QPainterSurface::WideLines::Stamped, {}, comparison);
    });
}
