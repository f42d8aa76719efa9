// Open to picture: from process start with the largest stored pair on the command line until
// the results window's first paint has finished, against a minimal Qt program that shows one
// 1280 x 1000 widget and ends after its first paint. Both run offscreen, alternately, so the
// ratio is paired within one run.

#include "measurement_files.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString largestAmp;

// Wall time of one run in seconds; negative when the program failed.
double timedRun(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return -1.0;
    return timer.nsecsElapsed() / 1e9;
}

void openToPicture(benchmark::State &state)
{
    double viewer = 0.0;
    double floor = 0.0;
    for (auto _ : state) {
        const double base = timedRun(QStringLiteral(FIRST_PAINT_BASELINE), {});
        const double own = timedRun(QStringLiteral(FIRST_PAINT_VIEWER), {largestAmp});
        if (base < 0 || own < 0) {
            state.SkipWithError("a program failed or did not end after its first paint");
            return;
        }
        floor += base;
        viewer += own;
        state.SetIterationTime(own);
    }
    const double runs = double(state.iterations());
    state.counters["viewer_ms"] = 1e3 * viewer / runs;
    state.counters["minimal_qt_ms"] = 1e3 * floor / runs;
    state.counters["ratio"] = viewer / floor;
}

} // namespace

BENCHMARK(openToPicture)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    largestAmp = writeLargestPair(QDir(dir.path()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
