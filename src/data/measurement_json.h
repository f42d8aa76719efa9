#pragma once

#include "data/measurement_set.h"

#include <QByteArray>

// The data set as the JSON object that `velkview --dump` writes, in UTF-8 and ended by a line
// feed: ampFileTitle, refFileTitle (empty when no reference file was read), ampCount,
// refCount, ampSeries (three arrays of ampCount numbers: angle, curve 1, curve 2) and
// refSeries (five arrays of refCount numbers: angle, red marks, blue marks, red line, blue
// line). Only slots below the counts are written. Numbers as by appendJsonNumber.
QByteArray measurementJson(const MeasurementSet &data, const MeasurementFiles &files);
// The same object with one more member, "compare": the compared data set's object, with the
// same members.
QByteArray measurementJson(const MeasurementSet &data, const MeasurementFiles &files,
                           const MeasurementSet &compared, const MeasurementFiles &comparedFiles);

// Appends the shortest decimal that reads back as the same double, with "." as decimal point
// whatever the locale ("45.5", "-0", "1e+20"). Infinities are written 1e999 and -1e999, which
// read back as infinities; a NaN, which JSON cannot hold and the reader never gives, as null.
void appendJsonNumber(QByteArray &out, double value);

// Appends text as a JSON string in double quotes: UTF-8, with the quote, the backslash and
// the control characters escaped.
void appendJsonString(QByteArray &out, const QString &text);
