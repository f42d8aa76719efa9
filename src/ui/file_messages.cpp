#include "ui/file_messages.h"

#include "data/output_file.h"
#include "data/regular_file.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>

QString reasonText(const QString &systemReason)
{
    // The program never sets LC_MESSAGES, so the system's texts arrive in its C locale wording.
    const struct {
        const char *system;
        const char *text;
    } known[] = {
        {"No such file or directory", QT_TRANSLATE_NOOP("FileMessages", "No such file or directory")},
        {"Permission denied", QT_TRANSLATE_NOOP("FileMessages", "Permission denied")},
        {"Is a directory", QT_TRANSLATE_NOOP("FileMessages", "Is a directory")},
        {"No space left on device", QT_TRANSLATE_NOOP("FileMessages", "No space left on device")},
        {"Read-only file system", QT_TRANSLATE_NOOP("FileMessages", "Read-only file system")},
    };
    if (systemReason == notRegularFileReason())
        return QCoreApplication::translate("FileMessages", "Not a regular file");
    for (const auto &entry : known) {
        if (systemReason == QLatin1String(entry.system))
            return QCoreApplication::translate("FileMessages", entry.text);
    }
    return systemReason;
}

QString fileDetails(const QString &path, const QString &systemReason)
{
    // A name whose bytes are not valid in the locale reaches us with replacement characters
    // and so names no file: "not found" would be wrong.
    const bool lossy = path.contains(QChar::ReplacementCharacter) && systemReason == QLatin1String("No such file or directory");
    return QDir::toNativeSeparators(path) + QLatin1Char('\n')
        + (lossy ? QCoreApplication::translate("FileMessages", "The name cannot be shown in this locale") : reasonText(systemReason));
}

QString refusedSaveDetails(const QString &path, const QStringList &ampPaths)
{
    const bool own = std::any_of(ampPaths.begin(), ampPaths.end(), [&path](const QString &ampPath) {
        return !ampPath.isEmpty() && isMeasurementFile(path, ampPath);
    });
    return own ? fileDetails(path, QCoreApplication::translate("FileMessages", "It is one of the measurement's own files"))
               : QString();
}

QString writeChosenFile(const QString &path, const QStringList &ampPaths,
                        const std::function<bool(QIODevice &)> &writer)
{
    if (const QString refused = refusedSaveDetails(path, ampPaths); !refused.isEmpty())
        return refused;
    const QString reason = writeOutputFile(path, writer);
    return reason.isEmpty() ? QString() : fileDetails(path, reason);
}
