#include "app/config_file.h"

#include <QFile>
#include <QSaveFile>

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
    if (location.configPath.isEmpty())
        return fallback;
    QFile file(location.configPath);
    if (!file.open(QIODevice::ReadOnly))
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
    return path.left(maxPathLength);
}

bool saveConfig(const ConfigLocation &location, const QString &lastFilePath)
{
    if (location.configPath.isEmpty())
        return false;
    QSaveFile file(location.configPath);
    // Unbuffered, so a short write (a full disk, a size limit) shows here instead of being
    // committed as a cut-off file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray content = lastFilePath.left(maxPathLength).toUtf8();
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
