// The --report path without process start-up: the whole page of the largest measurement
// written to a PDF file.

#include "report/report_pdf.h"
#include "charts/chart_colours.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

static void writesLargestReportPdf(benchmark::State &state)
{
    auto data = std::make_unique<MeasurementSet>();
    data->ampCount = MeasurementSet::maxAmpCount;
    for (int i = 0; i < data->ampCount; ++i) {
        data->ampSeries[0][i] = 360.0 * i / data->ampCount;
        data->ampSeries[1][i] = 40.0 + 30.0 * std::sin(i / 50.0);
        data->ampSeries[2][i] = 35.0 + 20.0 * std::cos(i / 70.0);
    }
    data->refCount = MeasurementSet::maxRefCount;
    for (int i = 0; i < data->refCount; ++i) {
        data->refSeries[0][i] = 360.0 * i / data->refCount;
        for (int series = 1; series < 5; ++series)
            data->refSeries[series][i] = (i * series) % 9 - 4;
    }
    MeasurementFiles files;
    files.ampFileTitle = QStringLiteral("largest_amp.txt");
    files.refFileTitle = QStringLiteral("largest_ref.txt");
    const ChartTools tools = createChartTools();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    for (auto _ : state) {
        if (!writeReportPdf(path, ReportTexts(), *data, files, tools).isEmpty())
            state.SkipWithError("the PDF could not be written");
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(writesLargestReportPdf)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
