// Whole-process times of the batch modes on the largest measurement the reader keeps
// (8191 samples, 511 reference entries): start-up, reading, drawing and writing together. And
// `--dump` of files far past the limits, timed in pairs with `wc -l` on the same file, with the
// peak resident memory of the viewer.

#include "measurement_files.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

QTemporaryDir *workDir = nullptr;

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

struct ChildRun {
    double seconds = 0;
    long peakKilobytes = 0;   // resident set size
    int exitStatus = -1;
};

// Runs a program with stdout and stderr on /dev/null and waits for it, taking its resource use.
ChildRun runChild(const std::vector<std::string> &arguments)
{
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    ChildRun run;
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        if (wait4(child, &status, 0, &usage) == child && WIFEXITED(status))
            run.exitStatus = WEXITSTATUS(status);
        run.peakKilobytes = usage.ru_maxrss;
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

// Each round runs `wc -l` and then `velkview --dump` on the file; the time is the viewer's, and
// x_wc_l is the ratio of the summed times. 1 (refused) or 0 must be the viewer's exit status.
void dumpAgainstLineCount(benchmark::State &state, qint64 size, PastLimitLines lines)
{
    const bool refusedLastLine = lines == PastLimitLines::RefusedLastLine;
    const std::string path = workDir->filePath(QStringLiteral("past_limit_amp.txt")).toStdString();
    writePastLimitFile(QString::fromStdString(path), size, lines);
    double viewer = 0;
    double lineCount = 0;
    long peakKilobytes = 0;
    for (auto _ : state) {
        const ChildRun count = runChild({"wc", "-l", path});
        const ChildRun dump = runChild({VELKVIEW_BINARY, "--dump", path});
        if (count.exitStatus != 0 || dump.exitStatus != (refusedLastLine ? 1 : 0))
            state.SkipWithError("unexpected exit status");
        state.SetIterationTime(dump.seconds);
        viewer += dump.seconds;
        lineCount += count.seconds;
        peakKilobytes = std::max(peakKilobytes, dump.peakKilobytes);
    }
    QFile::remove(QString::fromStdString(path));
    state.counters["wc_l_ms"] = lineCount * 1000 / double(state.iterations());
    state.counters["x_wc_l"] = viewer / lineCount;
    state.counters["peak_rss_MB"] = double(peakKilobytes) / 1024;
}

} // namespace

BENCHMARK_CAPTURE(dumpAgainstLineCount, pastLimit100MB, 100'000'000, PastLimitLines::TenColumns)
    ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK_CAPTURE(dumpAgainstLineCount, refusedLastLine100MB, 100'000'000, PastLimitLines::RefusedLastLine)
    ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK_CAPTURE(dumpAgainstLineCount, fourColumns100MB, 100'000'000, PastLimitLines::FourColumns)
    ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK_CAPTURE(dumpAgainstLineCount, pastLimit1GB, 1'000'000'000, PastLimitLines::TenColumns)
    ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(chartPng)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(reportPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(dumpJson)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    workDir = &dir;
    writeLargestPair(QDir(dir.path()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
