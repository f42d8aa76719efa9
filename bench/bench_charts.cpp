// One full repaint of the results window's client area (both charts, the most samples and
// entries a measurement holds) through QPainterSurface, beside a bare QPainter loop drawing
// the same curve segments and markers with the same pens: the toolkit's floor.
// Also a zoom step: the same repaint at a zoomed angle range, which must stay under 16 ms.

#include "draw/qpainter_surface.h"
#include "charts/angle_range.h"
#include "charts/chart_colours.h"
#include "charts/chart_geometry.h"
#include "charts/chart_image.h"
#include "charts/chart_tools.h"

#include "lang/language.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

const QSize clientSize(1920, 1080);

std::unique_ptr<MeasurementSet> wavyMeasurement()
{
    auto data = std::make_unique<MeasurementSet>();
    data->ampCount = MeasurementSet::maxAmpCount;
    for (int i = 0; i < data->ampCount; ++i) {
        data->ampSeries[0][i] = std::fmod(i * 0.088, 360.0);   // two revolutions
        data->ampSeries[1][i] = 60 + 25 * std::sin(i * 0.004) + 3 * std::sin(i * 0.2);
        data->ampSeries[2][i] = 55 + 20 * std::cos(i * 0.003) + 2 * std::sin(i * 0.31);
    }
    data->refCount = MeasurementSet::maxRefCount;
    for (int i = 0; i < data->refCount; ++i) {
        data->refSeries[0][i] = i * 360.0 / data->refCount;
        data->refSeries[1][i] = i % 3 == 0 ? 40.0 + 0.2 * i : 0.0;
        data->refSeries[2][i] = i % 4 == 0 ? -30.0 - 0.2 * i : 0.0;
        data->refSeries[3][i] = 50 * std::sin(i * 0.05);
        data->refSeries[4][i] = -40 * std::cos(i * 0.04);
    }
    return data;
}

const MeasurementSet &measurement()
{
    static const auto data = wavyMeasurement();
    return *data;
}

QPen widePen(QColor colour)
{
    return QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPen hairline(QColor colour)
{
    QPen pen(colour, 0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    pen.setCosmetic(true);
    return pen;
}

// What the floor draws, in drawing order: a segment or a marker with its pen and brush.
struct Item {
    QLine line;
    QRectF marker;   // empty for a segment
    int pen = 0;     // index into Floor::pens
    int brush = 0;
};

struct Floor {
    std::vector<QPen> pens;
    std::vector<QBrush> brushes;
    std::vector<Item> items;
};

void addAmplitudeItems(Floor &floor, const MeasurementSet &data, const DeviceRect &client)
{
    const AmplitudeGeometry g = amplitudeGeometry(amplitudeFrame(1, 1, ChartMedium::Screen, client));
    int prevX = -1, prevY1 = -1, prevY2 = -1;
    for (int i = 0; i < data.ampCount; ++i) {
        const int x = amplitudeX(g, data.ampSeries[0][i]);
        const bool joined = std::abs(prevX - x) < g.maxGap;
        const int y1 = amplitudeY(g, data.ampSeries[1][i]);
        const int y2 = amplitudeY(g, data.ampSeries[2][i]);
        if (joined && prevY1 >= 0)
            floor.items.push_back({QLine(prevX, prevY1, x, y1), {}, 0, 0});
        if (joined && prevY2 >= 0)
            floor.items.push_back({QLine(prevX, prevY2, x, y2), {}, 1, 0});
        prevX = x, prevY1 = y1, prevY2 = y2;
    }
}

void addReferenceItems(Floor &floor, const MeasurementSet &data, const DeviceRect &client)
{
    const ReferenceGeometry g = referenceGeometry(
        referenceFrame(1, 1, ChartMedium::Screen, client), referenceScale(70, -70));
    const int r = g.markerRadius;
    int prevX = -1, prevY3 = -1, prevY4 = -1;
    for (int i = 0; i < data.refCount; ++i) {
        const int x = referenceX(g, data.refSeries[0][i]);
        for (int series = 1; series <= 2; ++series) {
            if (data.refSeries[series][i] != 0.0) {
                const int y = referenceY(g, data.refSeries[series][i]);
                floor.items.push_back({{}, QRectF(x - r, y - r, 2 * r - 1, 2 * r - 1), series + 1, series});
            }
        }
        const int y3 = referenceY(g, data.refSeries[3][i]);
        const int y4 = referenceY(g, data.refSeries[4][i]);
        if (prevY3 >= 0)
            floor.items.push_back({QLine(prevX, prevY3, x, y3), {}, 4, 0});
        if (prevY4 >= 0)
            floor.items.push_back({QLine(prevX, prevY4, x, y4), {}, 5, 0});
        prevX = x, prevY3 = y3, prevY4 = y4;
    }
}

Floor makeFloor(const MeasurementSet &data, const ChartTools &tools)
{
    auto colour = [](const Pen &pen) { return QColor(pen.colour.red, pen.colour.green, pen.colour.blue); };
    auto fill = [](const Brush &brush) { return QBrush(QColor(brush.colour.red, brush.colour.green, brush.colour.blue)); };
    Floor floor;
    floor.pens = {widePen(colour(tools.whiteCurvePen)), widePen(colour(tools.yellowCurvePen)),
                  hairline(colour(tools.redMarkPen)),    hairline(colour(tools.blueMarkPen)),
                  widePen(colour(tools.redLinePen)),     widePen(colour(tools.blueLinePen))};
    floor.brushes = {QBrush(), fill(tools.redMarkBrush), fill(tools.blueMarkBrush)};
    const DeviceRect client{0, 0, clientSize.width(), clientSize.height()};
    addAmplitudeItems(floor, data, client);
    addReferenceItems(floor, data, client);
    return floor;
}

void BM_FullRepaint(benchmark::State &state)
{
    const ChartTools tools = createChartTools();
    QImage image(clientSize, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        paintChartClientArea(painter, clientSize, measurement(), tools);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Each iteration is the next wheel notch in around 217 degrees, back to the full view after
// the narrowest range, so every kind of range is drawn.
void BM_ZoomStep(benchmark::State &state)
{
    const ChartTools tools = createChartTools();
    QImage image(clientSize, QImage::Format_RGB32);
    AngleRange range;
    for (auto _ : state) {
        range = range.span() <= AngleRange::minSpan ? AngleRange{} : zoomedRange(range, 0.8, 217.0);
        QPainter painter(&image);
        paintChartClientArea(painter, clientSize, measurement(), tools, QPainterSurface::WideLines::Stamped, range);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ZoomStep)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The step that shows the spike: 210 to 225 degrees.
void BM_Zoomed210To225(benchmark::State &state)
{
    const ChartTools tools = createChartTools();
    QImage image(clientSize, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        paintChartClientArea(painter, clientSize, measurement(), tools, QPainterSurface::WideLines::Stamped,
                             AngleRange{210, 225});
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_Zoomed210To225)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same repaint without data: titles, fills, hatches, grid lines and labels only.
void BM_FrameOnly(benchmark::State &state)
{
    const ChartTools tools = createChartTools();
    const auto empty = std::make_unique<MeasurementSet>();
    QImage image(clientSize, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        paintChartClientArea(painter, clientSize, *empty, tools);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FrameOnly)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_BareQPainterFloor(benchmark::State &state)
{
    const Floor floor = makeFloor(measurement(), createChartTools());
    QImage image(clientSize, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        for (const Item &item : floor.items) {
            painter.setPen(floor.pens[item.pen]);
            if (item.marker.isEmpty()) {
                painter.drawLine(item.line);
            } else {
                painter.setBrush(floor.brushes[item.brush]);
                painter.drawRoundedRect(item.marker, 3, 3, Qt::AbsoluteSize);
            }
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["items"] = double(floor.items.size());
}
BENCHMARK(BM_BareQPainterFloor)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    setLanguage(0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
