// Open to picture: from process start, with a measurement on the command line, until the
// results window's first paint has finished, against the fair floor (first_paint_floor.cpp),
// which does the same with plain Qt. Both run on the display the benchmark gets (`make bench`
// runs it under Xvfb and openbox where they are installed), else offscreen; they alternate,
// twenty rounds each, so the ratio is paired.

#include "measurement_files.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

QString largestAmp;

// Wall time of one run in seconds; negative when the program failed.
double timedRun(const QString &program, const QString &file)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("DISPLAY")) && !environment.contains(QStringLiteral("WAYLAND_DISPLAY")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, {file});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return -1.0;
    return timer.nsecsElapsed() / 1e9;
}

void openToPicture(benchmark::State &state, const QString &file)
{
    double viewer = 0.0;
    double floor = 0.0;
    for (auto _ : state) {
        const double base = timedRun(QStringLiteral(FIRST_PAINT_FLOOR), file);
        const double own = timedRun(QStringLiteral(FIRST_PAINT_VIEWER), file);
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
    state.counters["floor_ms"] = 1e3 * floor / runs;
    state.counters["ratio"] = viewer / floor;
}

void example(benchmark::State &state)
{
    openToPicture(state, QStringLiteral(VELKVIEW_SOURCE_DIR "/examples/demo_amp.txt"));
}

void largestPair(benchmark::State &state)
{
    openToPicture(state, largestAmp);
}

} // namespace

BENCHMARK(example)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(largestPair)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::printf("open to picture on %s\n", qEnvironmentVariableIsSet("DISPLAY") ? "the X display (Xvfb)" : "the offscreen platform");
    QTemporaryDir dir;
    largestAmp = writeLargestPair(QDir(dir.path()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
