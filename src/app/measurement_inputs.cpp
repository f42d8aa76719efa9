#include "app/measurement_inputs.h"

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
                                                   QDir::Files | QDir::Hidden | QDir::CaseSensitive, QDir::Name);
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
