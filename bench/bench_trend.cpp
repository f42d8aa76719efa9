// The trend of a lot of 10 000 measurements, given their figures, drawn through the Surface onto
// the --trend picture's default 1280 x 1000 image: it must stay under 200 ms. Beside it the
// figures of one measurement, so the cost of a whole folder can be told from the drawing's.

#include "charts/chart_tools.h"
#include "charts/trend_image.h"
#include "data/measurement_figures.h"
#include "lang/language.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

// A lot that drifts upwards, with every 37th measurement past 90 % and every 53rd below 30 %.
std::vector<TrendPoint> driftingLot(int count)
{
    std::vector<TrendPoint> points(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        TrendPoint &point = points[size_t(i)];
        point.count = 8191;
        const double drift = 20.0 * i / count + 5 * std::sin(i * 0.01);
        point.minimum[0] = 40 + drift - (i % 53 == 0 ? 15 : 0);
        point.maximum[0] = 70 + drift + (i % 37 == 0 ? 10 : 0);
        point.minimum[1] = 45 + drift;
        point.maximum[1] = 65 + drift;
    }
    return points;
}

void BM_TrendOf10000(benchmark::State &state)
{
    const std::vector<TrendPoint> points = driftingLot(10000);
    const ChartTools tools = createChartTools();
    const QSize size(1280, 1000);
    QImage image(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        paintTrendClientArea(painter, size, points, QStringLiteral("lot_00000_amp.txt \u2026 lot_09999_amp.txt (10000)"),
                             tools);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_TrendOf10000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_FiguresOfOneMeasurement(benchmark::State &state)
{
    auto data = std::make_unique<MeasurementSet>();
    data->ampCount = MeasurementSet::maxAmpCount;
    for (int i = 0; i < data->ampCount; ++i) {
        data->ampSeries[0][i] = std::fmod(i * 0.088, 360.0);
        data->ampSeries[1][i] = 60 + 35 * std::sin(i * 0.004);
        data->ampSeries[2][i] = 55 + 20 * std::cos(i * 0.003);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(trendPoint(measurementFigures(*data)));
}
BENCHMARK(BM_FiguresOfOneMeasurement)->Unit(benchmark::kMicrosecond);

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
