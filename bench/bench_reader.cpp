// The measurement reader against the speed floor of its input: a memchr line count over the same
// bytes, read the same way. Also the whole open of the largest counted file pair (8191 + 511
// lines) and its JSON dump.

#include "data/line_syntax.h"
#include "data/measurement_json.h"
#include "data/measurement_reader.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

namespace {

constexpr qint64 largeFileSize = 100 * 1000 * 1000;

// A realistic ten-column line, as the measuring system writes them, with CR LF.
void appendLine(QByteArray &bytes, int line, int linesPerRevolution)
{
    const double angle = (line % linesPerRevolution) * 360.0 / linesPerRevolution;
    bytes += QByteArray::number(line + 1) + '\t' + QByteArray::number(angle, 'f', 3) + '\t'
             + QByteArray::number(80 + (line % 17) * 0.37, 'f', 2) + '\t'
             + QByteArray::number(82 - (line % 13) * 0.41, 'f', 2) + "\t0\t0\t"
             + QByteArray::number(line % 50 == 0 ? 95.5 : 0.0, 'f', 1) + '\t'
             + QByteArray::number(40 + (line % 7), 'f', 1) + '\t'
             + QByteArray::number(line % 70 == 0 ? -92.0 : 0.0, 'f', 1) + '\t'
             + QByteArray::number(-40 - (line % 5), 'f', 1) + "\r\n";
}

QByteArray measurementLines(int count)
{
    QByteArray bytes;
    for (int line = 0; line < count; ++line)
        appendLine(bytes, line, count);
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Generated once into the temporary directory and kept for later runs.
QString largeAmplitudeFile()
{
    static const QString path = [] {
        const QString name = QDir::temp().filePath(QStringLiteral("velkview_bench_100mb_amp.txt"));
        if (QFileInfo(name).size() >= largeFileSize)
            return name;
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(name));
        QByteArray chunk;
        for (int line = 0; file.size() + chunk.size() < largeFileSize; ++line) {
            appendLine(chunk, line, 720);
            if (chunk.size() > (1 << 20)) {
                file.write(chunk);
                chunk.clear();
            }
        }
        file.write(chunk);
        return name;
    }();
    return path;
}

void openOrFail(QFile &file, benchmark::State &state)
{
    if (!file.open(QIODevice::ReadOnly))
        state.SkipWithError("cannot open the generated file");
}

// The floor: the same file read in the reader's block size, line ends counted with memchr.
void memchrLineCount(benchmark::State &state)
{
    QFile file(largeAmplitudeFile());
    auto block = std::make_unique<char[]>(64 * 1024);
    int64_t lines = 0;
    for (auto _ : state) {
        openOrFail(file, state);
        lines = 0;
        qint64 count;
        while ((count = file.read(block.get(), 64 * 1024)) > 0) {
            const char *at = block.get();
            const char *const end = at + count;
            while ((at = static_cast<const char *>(std::memchr(at, '\n', size_t(end - at)))) != nullptr) {
                ++lines;
                ++at;
            }
        }
        file.close();
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(file).size());
    state.counters["lines"] = double(lines);
}
BENCHMARK(memchrLineCount)->Unit(benchmark::kMillisecond)->Iterations(5);

void readLargeAmplitudeFile(benchmark::State &state)
{
    QFile file(largeAmplitudeFile());
    auto data = std::make_unique<MeasurementSet>();
    for (auto _ : state) {
        openOrFail(file, state);
        if (readAmplitudeLines(file, *data) != ReadOutcome::Read)
            state.SkipWithError("amplitude file not read");
        file.close();
        benchmark::DoNotOptimize(data->ampCount);
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(file).size());
}
BENCHMARK(readLargeAmplitudeFile)->Unit(benchmark::kMillisecond)->Iterations(5);

// The whole open of the largest counted measurement, as the Open-file command reads it.
void readLargestFilePair(benchmark::State &state)
{
    QTemporaryDir directory;
    const QString ampPath = directory.filePath(QStringLiteral("bench_amp.txt"));
    const QString refPath = directory.filePath(QStringLiteral("bench_ref.txt"));
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

BENCHMARK_MAIN();
