// The measurement reader against the speed floor of its input: a memchr line count over the same
// bytes, read the same way, timed in pairs. The 100 MB file past the limits (8191 samples, then
// lines that only rewrite the last slots) is read with the scan, line by line, and refused for a
// unit in its last line. Also the whole open of the largest counted file pair (8191 + 511 lines)
// and its JSON dump. Generated files live in a temporary directory for the run.

#include "measurement_files.h"

#include "data/line_syntax.h"
#include "data/measurement_json.h"
#include "data/measurement_reader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <memory>

namespace {

constexpr qint64 largeFileSize = 100 * 1000 * 1000;
constexpr qint64 blockSize = 64 * 1024;

using Clock = std::chrono::steady_clock;

QTemporaryDir *workDir = nullptr;

QByteArray measurementLines(int count)
{
    QByteArray bytes;
    for (int line = 0; line < count; ++line)
        appendMeasurementLine(bytes, line, count);
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Written when a benchmark first needs it.
QString largeAmplitudeFile(bool refusedLastLine)
{
    static QString paths[2];
    QString &path = paths[refusedLastLine];
    if (path.isEmpty()) {
        path = workDir->filePath(refusedLastLine ? QStringLiteral("refused_100mb_amp.txt")
                                                 : QStringLiteral("past_limit_100mb_amp.txt"));
        writePastLimitFile(path, largeFileSize,
                           refusedLastLine ? PastLimitLines::RefusedLastLine : PastLimitLines::TenColumns);
    }
    return path;
}

void openOrFail(QFile &file, benchmark::State &state)
{
    if (!file.open(QIODevice::ReadOnly))
        state.SkipWithError("cannot open the generated file");
}

// The floor: the file read in the reader's block size, line ends counted with memchr.
int64_t countLines(QFile &file, char *block, benchmark::State &state)
{
    openOrFail(file, state);
    int64_t lines = 0;
    qint64 count;
    while ((count = file.read(block, blockSize)) > 0) {
        const char *at = block;
        const char *const end = at + count;
        while ((at = static_cast<const char *>(std::memchr(at, '\n', size_t(end - at)))) != nullptr) {
            ++lines;
            ++at;
        }
    }
    file.close();
    return lines;
}

void memchrLineCount(benchmark::State &state)
{
    QFile file(largeAmplitudeFile(false));
    auto block = std::make_unique<char[]>(blockSize);
    int64_t lines = 0;
    for (auto _ : state) {
        lines = countLines(file, block.get(), state);
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(file).size());
    state.counters["lines"] = double(lines);
}
BENCHMARK(memchrLineCount)->Unit(benchmark::kMillisecond)->Iterations(5);

// Each round counts the lines, then reads the file; the time is the read's, and x_memchr is the
// ratio of the summed times.
void readLargeAmplitudeFile(benchmark::State &state, PastLimits pastLimits, bool refusedLastLine)
{
    QFile file(largeAmplitudeFile(refusedLastLine));
    const ReadOutcome expected = refusedLastLine ? ReadOutcome::Refused : ReadOutcome::Read;
    auto data = std::make_unique<MeasurementSet>();
    auto block = std::make_unique<char[]>(blockSize);
    Clock::duration reading{};
    Clock::duration counting{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        benchmark::DoNotOptimize(countLines(file, block.get(), state));
        const Clock::time_point counted = Clock::now();
        openOrFail(file, state);
        if (readAmplitudeLines(file, *data, pastLimits) != expected)
            state.SkipWithError("unexpected outcome");
        file.close();
        const Clock::time_point read = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(read - counted).count());
        reading += read - counted;
        counting += counted - start;
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(file).size());
    state.counters["x_memchr"] = std::chrono::duration<double>(reading) / counting;
}
BENCHMARK_CAPTURE(readLargeAmplitudeFile, scan, PastLimits::Scan, false)
    ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK_CAPTURE(readLargeAmplitudeFile, lineByLine, PastLimits::ParseEveryLine, false)
    ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK_CAPTURE(readLargeAmplitudeFile, refusedLastLine, PastLimits::Scan, true)
    ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

// The whole open of the largest counted measurement, as the Open-file command reads it.
void readLargestFilePair(benchmark::State &state)
{
    const QString ampPath = workDir->filePath(QStringLiteral("bench_amp.txt"));
    const QString refPath = workDir->filePath(QStringLiteral("bench_ref.txt"));
    const QByteArray ampBytes = measurementLines(MeasurementSet::maxAmpCount);
    const QByteArray refBytes = measurementLines(MeasurementSet::maxRefCount);
    writeFile(ampPath, ampBytes);
    writeFile(refPath, refBytes);
    auto data = std::make_unique<MeasurementSet>();
    MeasurementFiles files;
    for (auto _ : state) {
        if (readMeasurement(ampPath, refPath, *data, files) != ReadOutcome::Read)
            state.SkipWithError("file pair not read");
        benchmark::DoNotOptimize(data->ampCount);
    }
    state.SetBytesProcessed(state.iterations() * (ampBytes.size() + refBytes.size()));
}
BENCHMARK(readLargestFilePair)->Unit(benchmark::kMillisecond);

void readNumbersOfOneLine(benchmark::State &state)
{
    const std::string_view line = "4711\t123.457\t80.37\t81.59\t0\t0\t95.5\t43.0\t0.0\t-42.0\n";
    LineNumbers numbers{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(readNumbers(line, numbers));
        benchmark::DoNotOptimize(numbers);
    }
    state.SetBytesProcessed(state.iterations() * int64_t(line.size()));
}
BENCHMARK(readNumbersOfOneLine);

// The `--dump` output of the largest data set.
void dumpLargestDataSet(benchmark::State &state)
{
    auto data = std::make_unique<MeasurementSet>();
    QBuffer ampBuffer;
    ampBuffer.setData(measurementLines(MeasurementSet::maxAmpCount));
    ampBuffer.open(QIODevice::ReadOnly);
    readAmplitudeLines(ampBuffer, *data);
    QBuffer refBuffer;
    refBuffer.setData(measurementLines(MeasurementSet::maxRefCount));
    refBuffer.open(QIODevice::ReadOnly);
    readReferenceLines(refBuffer, *data);
    MeasurementFiles files;
    files.ampFileTitle = QStringLiteral("bench_amp.txt");
    files.refFileTitle = QStringLiteral("bench_ref.txt");
    int64_t bytes = 0;
    for (auto _ : state) {
        const QByteArray json = measurementJson(*data, files);
        bytes += json.size();
        benchmark::DoNotOptimize(json.constData());
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(dumpLargestDataSet)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir directory;
    workDir = &directory;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
