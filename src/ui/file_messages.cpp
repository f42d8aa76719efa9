#include "ui/file_messages.h"

#include "data/output_file.h"
#include "data/regular_file.h"
#include "lang/ui_texts.h"

#include <QDir>

QString reasonText(const QString &systemReason)
{
    // The program never sets LC_MESSAGES, so the system's texts arrive in its C locale wording.
    const struct {
        const char *system;
        UiText text;
    } known[] = {
        {"No such file or directory", UiText::ReasonNotFound},
        {"Permission denied", UiText::ReasonPermissionDenied},
        {"Is a directory", UiText::ReasonIsDirectory},
        {"No space left on device", UiText::ReasonNoSpace},
        {"Read-only file system", UiText::ReasonReadOnly},
    };
    if (systemReason == notRegularFileReason())
        return uiText(UiText::ReasonNotRegularFile);
    for (const auto &entry : known) {
        if (systemReason == QLatin1String(entry.system))
            return uiText(entry.text);
    }
    return systemReason;
}

QString fileDetails(const QString &path, const QString &systemReason)
{
    // A name whose bytes are not valid in the locale reaches us with replacement characters
    // and so names no file: "not found" would be wrong.
    const bool lossy = path.contains(QChar::ReplacementCharacter) && systemReason == QLatin1String("No such file or directory");
    return QDir::toNativeSeparators(path) + QLatin1Char('\n')
        + (lossy ? uiText(UiText::ReasonNameNotInLocale) : reasonText(systemReason));
}

QString writeChosenFile(const QString &path, const QString &ampPath,
                        const std::function<bool(QIODevice &)> &writer)
{
    if (isMeasurementFile(path, ampPath))
        return fileDetails(path, uiText(UiText::ReasonIsMeasurement));
    const QString reason = writeOutputFile(path, writer);
    return reason.isEmpty() ? QString() : fileDetails(path, reason);
}
