#include "report/report_texts.h"

#include <ctime>

QString defaultBearingType()
{
    return QStringLiteral("ZEPH ");
}

std::optional<CalendarTime> localCalendarTime(int64_t secondsSinceEpoch)
{
    const std::time_t time = static_cast<std::time_t>(secondsSinceEpoch);
    if (static_cast<int64_t>(time) != secondsSinceEpoch)
        return std::nullopt;
    std::tm parts{};
    // localtime_r fails (null) for times whose year does not fit the calendar structure.
    if (!localtime_r(&time, &parts))
        return std::nullopt;
    return CalendarTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour,
                        parts.tm_min};
}

static QString twoDigits(int value)
{
    return value < 10 ? QStringLiteral("0%1").arg(value) : QString::number(value);
}

QString reportDateText(const std::optional<CalendarTime> &time)
{
    if (!time)
        return QString();
    return QStringLiteral("%1.%2.%3  %4:%5")
        .arg(twoDigits(time->day), twoDigits(time->month), QString::number(time->year),
             QString::number(time->hour), twoDigits(time->minute));
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
    return fileTitle.left(blockTitleLimit);
}
