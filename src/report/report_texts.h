#pragma once

#include <QString>

#include <cstdint>

// The texts of the printed report that do not come from the language table.

inline constexpr int bearingTypeLimit = 12;
inline constexpr int remarkLineLimit = 40;
inline constexpr int blockTitleLimit = 24;   // file titles in the information block

// The bearing type the report-text dialog always starts with.
QString defaultBearingType();

// What the user enters for the report: the bearing type and three remark lines. The report-text
// dialog, the Print command and --report all hand these over cut to their limits.
struct ReportTexts {
    QString bearingType = defaultBearingType();
    QString remarkLines[3];

    // The texts cut to 12 and 40 characters, never inside a surrogate pair.
    ReportTexts cut() const;
};

// The local time of secondsSinceEpoch as "DD.MM.YYYY  H:MM": two-digit day, month and minute,
// full year, hour without a leading zero, two blanks between year and hour. Empty for a time
// that cannot be converted.
QString reportDateText(int64_t secondsSinceEpoch);

// The footer line: the file title(s) in double quotes and the print date. The two-file form is
// used when refFileTitle is not empty. The titles are not cut; the line is English always.
QString reportFooterLine(const QString &ampFileTitle, const QString &refFileTitle,
                         const QString &printDateText);

// The first 24 characters of a file title, for the information block.
QString blockTitle(const QString &fileTitle);
