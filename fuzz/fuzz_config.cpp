// The configuration file with arbitrary contents: the start path is the first line, valid
// UTF-16 within 511 units, and saving it and loading it again gives it back unchanged.
#include "app/config_file.h"
#include "fuzz_check.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

namespace {

ConfigLocation location()
{
    // Every save syncs the file; in memory that costs nothing, on a disk it would cap the runs.
    static const auto directory = QFileInfo(QStringLiteral("/dev/shm")).isWritable()
        ? std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/velkview-fuzz-XXXXXX"))
        : std::make_unique<QTemporaryDir>();
    return configLocation(directory->path());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ConfigLocation where = location();
    QFile file(where.configPath);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size));
    file.close();

    const QString path = loadConfig(where);
    FUZZ_CHECK(!path.isEmpty() && path.size() <= maxPathLength);
    FUZZ_CHECK(!path.back().isHighSurrogate());
    FUZZ_CHECK(!path.contains(QLatin1Char('\n')) && !path.contains(QLatin1Char('\r'))
               && !path.contains(QChar(0)));
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const bool emptyFirstLine = size == 0 || data[0] == 0 || data[0] == '\n' || data[0] == '\r';
    FUZZ_CHECK(emptyFirstLine == (path == where.patternPath) || bytes.startsWith(where.patternPath.toUtf8()));

    FUZZ_CHECK(saveConfig(where, path));
    FUZZ_CHECK(loadConfig(where) == path);
    return 0;
}
