#include "charts/chart_export.h"

#include "charts/chart_image.h"

#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

bool writeChartImageTo(QIODevice &out, ChartImageFormat format, QSize clientSize,
                       const MeasurementSet &data, const ChartTools &tools)
{
    if (clientSize.isEmpty())
        return false;
    switch (format) {
    case ChartImageFormat::Png: {
        const QImage image = renderChartImage(clientSize, data, tools);
        const QImage palette = toPaletteImage(image);
        return (palette.isNull() ? image : palette).save(&out, "PNG");
    }
    case ChartImageFormat::Svg: {
        QSvgGenerator generator;
        generator.setOutputDevice(&out);
        generator.setSize(clientSize);
        generator.setViewBox(QRect(QPoint(0, 0), clientSize));
        generator.setResolution(96);
        QPainter painter;
        if (!painter.begin(&generator))
            return false;
        paintChartClientArea(painter, clientSize, data, tools);
        // The generator does not report failed writes; a QSaveFile does, when it commits.
        return painter.end();
    }
    }
    Q_UNREACHABLE();
}
