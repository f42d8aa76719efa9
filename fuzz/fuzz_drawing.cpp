// Both charts and the report page drawn from an arbitrary data set (NaN, infinities, extreme
// values, both counts up to their limits) onto a recording surface, or onto a small image:
// the sanitizers catch any real that reaches an int unclamped.
#include "charts/chart_tools.h"
#include "charts/charts.h"
#include "doubles/recording_surface.h"
#include "draw/qpainter_surface.h"
#include "report/report_page.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstring>
#include <memory>

namespace {

MeasurementSet data;

// Fills the slots below the counts with the input's bytes read as doubles, over and over.
void fill(double *series, int count, const uint8_t *bytes, size_t size, size_t &offset)
{
    for (int i = 0; i < count && size >= sizeof(double); ++i) {
        if (offset + sizeof(double) > size)
            offset = 0;
        std::memcpy(&series[i], bytes + offset, sizeof(double));
        offset += sizeof(double);
    }
}

void draw(Surface &surface, const DeviceRect &clientArea, const ChartTools &tools)
{
    drawAmplitudeChart(surface, data, tools, 1.0, 1.0, ChartMedium::Screen, clientArea);
    drawReferenceMarksChart(surface, data, tools, 1.0, 1.0, ChartMedium::Screen, clientArea);
    ReportContent content;
    content.bearingType = QStringLiteral("ZEPH ");
    content.ampFileTitle = QStringLiteral("fuzz_amp.txt");
    drawReportPage(surface, 2480, 3508, content, data, tools);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    static const ChartTools tools = createChartTools();
    if (size < 8)
        return 0;
    // Header: amplitude count, reference count, client width and height, where to draw.
    uint16_t header[4];
    std::memcpy(header, bytes, sizeof header);
    data.ampCount = header[0] % MeasurementSet::ampCapacity;
    data.refCount = header[1] % MeasurementSet::refCapacity;
    const DeviceRect clientArea{0, 0, header[2] % 4096, header[3] % 4096};
    const bool onImage = bytes[0] & 0x80 && clientArea.right <= 640 && clientArea.bottom <= 480;
    size_t offset = 0;
    bytes += 8;
    size -= 8;
    for (auto &series : data.ampSeries)
        fill(series, data.ampCount, bytes, size, offset);
    for (auto &series : data.refSeries)
        fill(series, data.refCount, bytes, size, offset);

    if (onImage) {
        QImage image(640, 480, QImage::Format_RGB32);
        QPainter painter(&image);
        QPainterSurface surface(painter);
        draw(surface, clientArea, tools);
    } else {
        RecordingSurface surface;
        draw(surface, clientArea, tools);
    }
    return 0;
}
