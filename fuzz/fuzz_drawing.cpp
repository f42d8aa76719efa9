// Both charts and the report page drawn from an arbitrary data set (NaN, infinities, extreme
// values, both counts up to their limits) onto a recording surface, or onto a small image:
// the sanitizers catch any real that reaches an int unclamped. With a second data set the
// charts draw it behind as a comparison, dashed, where angles far past 360 once took minutes.
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
MeasurementSet compared;

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

void fillAll(MeasurementSet &set, const uint8_t *bytes, size_t size, size_t &offset)
{
    for (auto &series : set.ampSeries)
        fill(series, set.ampCount, bytes, size, offset);
    for (auto &series : set.refSeries)
        fill(series, set.refCount, bytes, size, offset);
}

void draw(Surface &surface, const DeviceRect &clientArea, const ChartTools &tools,
          const AngleRange &range, const ChartComparison &comparison)
{
    drawAmplitudeChart(surface, data, tools, 1.0, 1.0, ChartMedium::Screen, clientArea, range, comparison);
    drawReferenceMarksChart(surface, data, tools, 1.0, 1.0, ChartMedium::Screen, clientArea, range,
                            comparison);
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
    // Header: amplitude count, reference count, client width and height, where to draw. Bit 13
    // of the amplitude count's word compares with a second data set of the same counts, read
    // from the bytes after the first; the reference count's top seven bits zoom to a range.
    uint16_t header[4];
    std::memcpy(header, bytes, sizeof header);
    data.ampCount = header[0] % MeasurementSet::ampCapacity;
    data.refCount = header[1] % MeasurementSet::refCapacity;
    const bool comparing = header[0] & 0x2000;
    const int zoom = header[1] >> 9;
    const AngleRange range = zoom ? rangeBetween(zoom * 2.5, zoom * 2.5 + 10.0 / zoom) : AngleRange{};
    const DeviceRect clientArea{0, 0, header[2] % 4096, header[3] % 4096};
    const bool onImage = bytes[0] & 0x80 && clientArea.right <= 640 && clientArea.bottom <= 480;
    size_t offset = 0;
    bytes += 8;
    size -= 8;
    fillAll(data, bytes, size, offset);
    ChartComparison comparison;
    if (comparing) {
        compared.ampCount = data.ampCount;
        compared.refCount = data.refCount;
        fillAll(compared, bytes, size, offset);
        comparison = {&compared, QStringLiteral("fuzz_amp.txt"), QStringLiteral("other_amp.txt")};
    }

    if (onImage) {
        QImage image(640, 480, QImage::Format_RGB32);
        QPainter painter(&image);
        QPainterSurface surface(painter);
        draw(surface, clientArea, tools, range, comparison);
    } else {
        RecordingSurface surface;
        draw(surface, clientArea, tools, range, comparison);
    }
    return 0;
}
