#include "app/measurement_inputs.h"

#include "data/file_name_case.h"
#include "data/output_file.h"
#include "data/ref_path.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <memory>
#include <system_error>
#include <thread>

std::vector<MeasurementInput> expandInputs(const QStringList &arguments)
{
    std::vector<MeasurementInput> inputs;
    for (const QString &argument : arguments) {
        const QFileInfo info(argument);
        if (!info.isDir()) {
            inputs.push_back({argument, QString()});
            continue;
        }
        const QDir folder(argument);
        if (!info.isReadable() || !info.isExecutable()) {
            inputs.push_back({argument, QStringLiteral("cannot list the folder: Permission denied")});
            continue;
        }
        // The names the reference pairing accepts; hidden files too, as the reader takes them.
        const QStringList names = folder.entryList({QStringLiteral("*_amp.txt")},
                                                   QDir::Files | QDir::Hidden | (fileNameCase() == Qt::CaseSensitive ? QDir::CaseSensitive : QDir::NoFilter), QDir::Name);
        for (const QString &name : names)
            inputs.push_back({folder.filePath(name), QString()});
    }
    return inputs;
}

// The threads only read regular files through the reader, which refuses anything that could
// block, so joining them cannot hang.
void forEachInParallel(size_t count, const std::function<void(size_t index, MeasurementSet &data)> &work)
{
    std::atomic<size_t> next{0};
    const auto worker = [&] {
        // The data set is too large for a thread's stack.
        const auto data = std::make_unique<MeasurementSet>();
        for (size_t index = next++; index < count; index = next++)
            work(index, *data);
    };
    const size_t threads = std::min<size_t>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u), count);
    std::vector<std::thread> pool;
    for (size_t thread = 1; thread < threads; ++thread) {
        // A system short of threads gets fewer helpers; this one does the rest.
        try {
            pool.emplace_back(worker);
        } catch (const std::system_error &) {
            break;
        }
    }
    worker();
    for (std::thread &thread : pool)
        thread.join();
}

InputRead readInput(const MeasurementInput &input, const QString &outputPath, MeasurementSet &data)
{
    InputRead read;
    if (!input.listError.isEmpty()) {
        read.error = input.listError;
        return read;
    }
    const QString ampPath = QFileInfo(input.path).absoluteFilePath();
    read.isOutput = isMeasurementFile(outputPath, ampPath);
    QString reason;
    read.outcome = readMeasurement(ampPath, deriveRefPath(ampPath), data, read.files, &reason);
    switch (read.outcome) {
    case ReadOutcome::Read:
        break;
    case ReadOutcome::CannotOpen:
        read.error = QStringLiteral("cannot open: ") + reason;
        break;
    case ReadOutcome::Refused:
        read.error = QStringLiteral("invalid file format");
        break;
    case ReadOutcome::ReadError:
    case ReadOutcome::Cancelled:   // no progress is asked for, so never
        read.error = QStringLiteral("read error");
        break;
    }
    return read;
}
