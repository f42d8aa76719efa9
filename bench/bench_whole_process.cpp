// Whole-process times of the batch modes on the largest measurement the reader keeps
// (8191 samples, 511 reference entries): start-up, reading, drawing and writing together.

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

namespace {

QTemporaryDir *workDir = nullptr;

QString writeLargestPair()
{
    const QString amp = workDir->filePath(QStringLiteral("largest_amp.txt"));
    std::FILE *file = std::fopen(amp.toLocal8Bit().constData(), "w");
    for (int i = 0; i < 8191; ++i) {
        const double angle = std::fmod(i * 720.0 / 8191, 360.0);
        std::fprintf(file, "%d\t%.2f\t%.2f\t%.2f\t1480.0\t21.6\t0\t0\t0\t0\n", i + 1, angle,
                     65.0 + 25.0 * std::sin(i / 90.0), 60.0 + 20.0 * std::cos(i / 130.0));
    }
    std::fclose(file);
    const QString ref = workDir->filePath(QStringLiteral("largest_ref.txt"));
    file = std::fopen(ref.toLocal8Bit().constData(), "w");
    for (int i = 0; i < 511; ++i) {
        std::fprintf(file, "%d\t%.2f\t0\t0\t0\t0\t%d\t%.1f\t%d\t%.1f\n", i + 1, i * 360.0 / 511,
                     i % 37 == 0 ? 150 : 0, 80.0 * std::sin(i / 40.0), i % 41 == 0 ? -90 : 0,
                     -60.0 * std::cos(i / 50.0));
    }
    std::fclose(file);
    return amp;
}

void runViewer(benchmark::State &state, const QStringList &arguments, const QString &output)
{
    for (auto _ : state) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(QStringLiteral(VELKVIEW_BINARY), arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            state.SkipWithError("velkview failed");
    }
    if (!output.isEmpty())
        state.counters["bytes"] = double(QFileInfo(output).size());
}

void chartPng(benchmark::State &state)
{
    const QString out = workDir->filePath(QStringLiteral("chart.png"));
    runViewer(state, {QStringLiteral("--chart"), out, QStringLiteral("--size"), QStringLiteral("1280x1000"),
                      workDir->filePath(QStringLiteral("largest_amp.txt"))}, out);
}

void reportPdf(benchmark::State &state)
{
    const QString out = workDir->filePath(QStringLiteral("report.pdf"));
    runViewer(state, {QStringLiteral("--report"), out, workDir->filePath(QStringLiteral("largest_amp.txt"))}, out);
}

void dumpJson(benchmark::State &state)
{
    runViewer(state, {QStringLiteral("--dump"), workDir->filePath(QStringLiteral("largest_amp.txt"))}, QString());
}

} // namespace

BENCHMARK(chartPng)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(reportPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(dumpJson)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    workDir = &dir;
    writeLargestPair();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
