#include "app/config_file.h"

#include "app/own_link.h"
#include "data/output_file.h"
#include "data/regular_file.h"
#include "lang/text_limit.h"

#include <QFile>
#include <QIODevice>

namespace {

constexpr int maxDirectoryLength = 489;

QString withSeparator(const QString &directory)
{
    return directory.endsWith(QLatin1Char('/')) ? directory : directory + QLatin1Char('/');
}

} // namespace

ConfigLocation configLocation(const QString &workingDirectory)
{
    if (workingDirectory.isEmpty() || workingDirectory.size() > maxDirectoryLength)
        return {};
    const QString directory = withSeparator(workingDirectory);
    return {directory + QStringLiteral("VELKView.cfg"), directory + QStringLiteral("*_amp.txt")};
}

QString loadConfig(const ConfigLocation &location)
{
    const QString fallback = location.patternPath.isEmpty() ? QStringLiteral("*_amp.txt") : location.patternPath;
    if (location.configPath.isEmpty() || !isOwnLinkOrNoLink(location.configPath))
        return fallback;
    // Only a regular file is read: a FIFO in its place must not hold up the start.
    QFile file;
    if (!openRegularFile(location.configPath, file).isEmpty())
        return fallback;
    // Only the first line counts; reading stops early so a huge file costs nothing.
    QByteArray line;
    char byte = 0;
    while (line.size() < 4 * maxPathLength && file.getChar(&byte)) {
        if (byte == '\0' || byte == '\n' || byte == '\r')
            break;
        line.append(byte);
    }
    QString path = QString::fromUtf8(line);
    if (path.isEmpty())
        return fallback;
    return leftWithoutSplitting(path, maxPathLength);
}

bool saveConfig(const ConfigLocation &location, const QString &lastFilePath)
{
    if (location.configPath.isEmpty() || !isOwnLinkOrNoLink(location.configPath))
        return false;
    const QByteArray content = leftWithoutSplitting(lastFilePath, maxPathLength).toUtf8();
    // In a read-only working folder a writable file is still written, in place.
    return writeOutputFile(location.configPath,
                           [&](QIODevice &file) { return file.write(content) == content.size(); },
                           DirectWrite::IntoWritableTarget)
        .isEmpty();
}
