#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The texts of the printed report that do not come from the language table.

// The two report-text fields as the report-text dialog writes them.
inline constexpr int bearingTypeLimit = 12;
inline constexpr int remarkLineLimit = 40;
inline constexpr int blockTitleLimit = 24;   // file titles in the information block

// The bearing type the report-text dialog always starts with.
QString defaultBearingType();

// A moment in local calendar time, as far as the report shows it.
struct CalendarTime {
    int year = 0;
    int month = 0;    // 1 to 12
    int day = 0;      // 1 to 31
    int hour = 0;     // 0 to 23
    int minute = 0;   // 0 to 59
};

// secondsSinceEpoch in the local time zone; nothing when the platform cannot convert it.
std::optional<CalendarTime> localCalendarTime(int64_t secondsSinceEpoch);

// "DD.MM.YYYY  H:MM": two-digit day, month and minute, full year, hour without a leading zero,
// two blanks between year and hour. Nothing (empty) for a time that could not be converted.
QString reportDateText(const std::optional<CalendarTime> &time);

// The footer line: the file title(s) in double quotes and the print date. The two-file form is
// used when refFileTitle is not empty. The titles are not cut; the line is English always.
QString reportFooterLine(const QString &ampFileTitle, const QString &refFileTitle,
                         const QString &printDateText);

// The first 24 characters of a file title, for the information block.
QString blockTitle(const QString &fileTitle);
