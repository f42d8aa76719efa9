// --summary of a folder of 10 000 measurements of the example's size against --dump of the same
// measurements one by one in one process (read, JSON, written to /dev/null), both in this
// process. And the whole viewer on 1 000 and 10 000 of them, with its peak resident memory,
// which must not grow with the number of files.

#include "app/summary_mode.h"
#include "data/measurement_json.h"
#include "data/measurement_reader.h"
#include "data/ref_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

QTemporaryDir *workDir = nullptr;

QString folderOf(int count)
{
    return workDir->filePath(QStringLiteral("lot%1").arg(count));
}

QByteArray fileBytes(const char *name)
{
    QFile file(QStringLiteral(VELKVIEW_SOURCE_DIR "/examples/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the example %s", name);
    return file.readAll();
}

// count copies of the example pair, each with its own first line so no two files are equal.
void writeLot(int count)
{
    const QByteArray amp = fileBytes("demo_amp.txt");
    const QByteArray ref = fileBytes("demo_ref.txt");
    const QDir folder(folderOf(count));
    QDir().mkpath(folder.path());
    for (int index = 0; index < count; ++index) {
        const QString base = folder.filePath(QStringLiteral("m%1").arg(index, 5, 10, QLatin1Char('0')));
        QFile ampFile(base + QStringLiteral("_amp.txt"));
        QFile refFile(base + QStringLiteral("_ref.txt"));
        const QByteArray first = "1\t0.0\t" + QByteArray::number(50 + index % 45) + "\t81.73\n";
        if (!ampFile.open(QIODevice::WriteOnly) || ampFile.write(first + amp.mid(amp.indexOf('\n') + 1)) < 0
            || !refFile.open(QIODevice::WriteOnly) || refFile.write(ref) < 0)
            qFatal("cannot write the lot");
    }
}

QStringList ampFiles(int count)
{
    const QDir folder(folderOf(count));
    QStringList paths;
    for (const QString &name : folder.entryList({QStringLiteral("*_amp.txt")}, QDir::Files, QDir::Name))
        paths << folder.filePath(name);
    return paths;
}

void dumpEach(benchmark::State &state)
{
    const QStringList paths = ampFiles(10000);
    std::FILE *null = std::fopen("/dev/null", "w");
    const auto data = std::make_unique<MeasurementSet>();
    for (auto _ : state) {
        for (const QString &path : paths) {
            MeasurementFiles files;
            if (readMeasurement(path, deriveRefPath(path), *data, files) != ReadOutcome::Read)
                state.SkipWithError("not read");
            const QByteArray json = measurementJson(*data, files);
            std::fwrite(json.constData(), 1, size_t(json.size()), null);
        }
    }
    std::fclose(null);
}

void summary(benchmark::State &state, const char *extension)
{
    CommandLine line;
    line.mode = CommandLine::Mode::Summary;
    line.outputPath = workDir->filePath(QStringLiteral("summary.") + QLatin1String(extension));
    line.summaryInputs = {folderOf(10000)};
    for (auto _ : state) {
        if (runSummary(line) != 0)
            state.SkipWithError("--summary failed");
    }
}

void summaryProcess(benchmark::State &state)
{
    const std::string output = workDir->filePath(QStringLiteral("process.csv")).toStdString();
    const std::string folder = folderOf(int(state.range(0))).toStdString();
    std::vector<char *> argv{const_cast<char *>(VELKVIEW_BINARY), const_cast<char *>("--summary"),
                             const_cast<char *>(output.c_str()), const_cast<char *>(folder.c_str()), nullptr};
    long peakKilobytes = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pid_t child = 0;
        int status = -1;
        rusage usage{};
        if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0
            || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            state.SkipWithError("velkview --summary failed");
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        peakKilobytes = std::max(peakKilobytes, long(usage.ru_maxrss));
    }
    state.counters["peak_rss_MB"] = double(peakKilobytes) / 1024;
}

} // namespace

BENCHMARK(dumpEach)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK_CAPTURE(summary, csv, "csv")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK_CAPTURE(summary, json, "json")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(summaryProcess)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    workDir = &dir;
    writeLot(1000);
    writeLot(10000);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
