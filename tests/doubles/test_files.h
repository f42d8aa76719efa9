#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

// Writes a test file, making its directory first; the path, or empty when it failed.
inline QString writeTestFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(content);
    return path;
}
