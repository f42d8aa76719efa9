#include "report/report_texts.h"

#include "lang/text_limit.h"

#include <QDateTime>

QString defaultBearingType()
{
    return QStringLiteral("ZEPH ");
}

ReportTexts ReportTexts::cut() const
{
    ReportTexts texts;
    texts.bearingType = leftWithoutSplitting(bearingType, bearingTypeLimit);
    for (int line = 0; line < 3; ++line)
        texts.remarkLines[line] = leftWithoutSplitting(remarkLines[line], remarkLineLimit);
    return texts;
}

QString reportDateText(int64_t secondsSinceEpoch)
{
    const QDateTime time = QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, Qt::LocalTime);
    // A format string is read in the C locale, so the digits never follow the user's locale.
    return time.isValid() ? time.toString(QStringLiteral("dd.MM.yyyy  H:mm")) : QString();
}

QString reportFooterLine(const QString &ampFileTitle, const QString &refFileTitle,
                         const QString &printDateText)
{
    // Single-pass argument filling, so a title holding "%1" stays as it is.
    if (!refFileTitle.isEmpty()) {
        return QStringLiteral("QEL VELKORA  -  Files: \"%1\" and \"%2\"  -  Print date: %3")
            .arg(ampFileTitle, refFileTitle, printDateText);
    }
    return QStringLiteral("QEL VELKORA  -  File: \"%1\" -  Print date: %2")
        .arg(ampFileTitle, printDateText);
}

QString blockTitle(const QString &fileTitle)
{
    return leftWithoutSplitting(fileTitle, blockTitleLimit);
}
