// One zoom step of the results window: a repaint of both charts at a zoomed angle range, with
// the largest measurement (8191 samples, 511 entries) at 1920 x 1080. A step must repaint in
// under 16 ms to keep zooming smooth.

#include "charts/angle_range.h"
#include "charts/chart_image.h"
#include "charts/chart_tools.h"
#include "lang/language.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

const QSize clientSize(1920, 1080);

std::unique_ptr<MeasurementSet> largestMeasurement()
{
    auto data = std::make_unique<MeasurementSet>();
    data->ampCount = MeasurementSet::maxAmpCount;
    for (int i = 0; i < data->ampCount; ++i) {
        data->ampSeries[0][i] = std::fmod(i * 720.0 / 8191, 360.0);   // two revolutions
        data->ampSeries[1][i] = 65 + 25 * std::sin(i / 90.0) + 3 * std::sin(i * 0.2);
        data->ampSeries[2][i] = 60 + 20 * std::cos(i / 130.0);
    }
    data->refCount = MeasurementSet::maxRefCount;
    for (int i = 0; i < data->refCount; ++i) {
        data->refSeries[0][i] = i * 360.0 / data->refCount;
        data->refSeries[1][i] = i % 37 == 0 ? 150 : 0;
        data->refSeries[2][i] = i % 41 == 0 ? -90 : 0;
        data->refSeries[3][i] = 80 * std::sin(i / 40.0);
        data->refSeries[4][i] = -60 * std::cos(i / 50.0);
    }
    return data;
}

// Each iteration is the next wheel notch in around 217 degrees, back to the full view after
// the narrowest range, so every kind of range is drawn.
void BM_ZoomStep(benchmark::State &state)
{
    const auto data = largestMeasurement();
    const ChartTools tools = createChartTools();
    QImage image(clientSize, QImage::Format_RGB32);
    AngleRange range;
    for (auto _ : state) {
        range = range.span() <= AngleRange::minSpan ? AngleRange{} : zoomedRange(range, 0.8, 217.0);
        QPainter painter(&image);
        paintChartClientArea(painter, clientSize, *data, tools, QPainterSurface::WideLines::Stamped, range);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ZoomStep)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The step that shows the spike: 210 to 225 degrees.
void BM_Zoomed210To225(benchmark::State &state)
{
    const auto data = largestMeasurement();
    const ChartTools tools = createChartTools();
    QImage image(clientSize, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        paintChartClientArea(painter, clientSize, *data, tools, QPainterSurface::WideLines::Stamped,
                             AngleRange{210, 225});
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_Zoomed210To225)->Unit(benchmark::kMillisecond)->MinTime(2.0);

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
