#pragma once

#include "data/measurement_set.h"

#include <QByteArray>
#include <QString>

// The values of a measurement as tables, one row a sample (amplitude) or entry (reference):
// the line of its file, the angle, then every series the reader stores for it. The cells are
// written as --dump writes numbers (shortest round trip, "." as decimal point), so a table
// and the JSON agree digit for digit.
enum class ValueTable { Amplitude, Reference };

// ampCount or refCount, clamped to the data set's limits.
int valueRowCount(const MeasurementSet &data, ValueTable table);
// 4 (line, angle, curve 1, curve 2) or 6 (line, angle, red mark, blue mark, red line, blue line).
int valueColumnCount(ValueTable table);
// The column's name in a CSV header: line, angle, curve1, curve2, red_mark, blue_mark,
// red_line, blue_line.
QByteArray valueColumnName(ValueTable table, int column);
// The cell of a row (below valueRowCount) and column (below valueColumnCount).
QByteArray valueCell(const MeasurementSet &data, ValueTable table, int row, int column);

// The whole table as RFC 4180 CSV: a header row of the column names, then every row; commas
// between fields, CR LF after each record, UTF-8 (the fields are ASCII).
QByteArray valuesCsv(const MeasurementSet &data, ValueTable table);

// Writes valuesCsv to path whole or not at all (writeOutputFile); an empty string, or the reason.
QString writeValuesCsv(const QString &path, const MeasurementSet &data, ValueTable table);
