#include "data/value_table.h"

#include "data/measurement_json.h"
#include "data/output_file.h"

#include <QIODevice>

#include <algorithm>

namespace {

// The series behind each column after the line and the angle, in the order --dump lists them.
constexpr const char *amplitudeNames[] = {"line", "angle", "curve1", "curve2"};
constexpr const char *referenceNames[] = {"line", "angle", "red_mark", "blue_mark", "red_line", "blue_line"};

} // namespace

int valueRowCount(const MeasurementSet &data, ValueTable table)
{
    switch (table) {
    case ValueTable::Amplitude:
        return std::clamp(data.ampCount, 0, MeasurementSet::maxAmpCount);
    case ValueTable::Reference:
        return std::clamp(data.refCount, 0, MeasurementSet::maxRefCount);
    }
    Q_UNREACHABLE();
}

int valueColumnCount(ValueTable table)
{
    switch (table) {
    case ValueTable::Amplitude:
        return int(std::size(amplitudeNames));
    case ValueTable::Reference:
        return int(std::size(referenceNames));
    }
    Q_UNREACHABLE();
}

QByteArray valueColumnName(ValueTable table, int column)
{
    Q_ASSERT(column >= 0 && column < valueColumnCount(table));
    return table == ValueTable::Amplitude ? amplitudeNames[column] : referenceNames[column];
}

QByteArray valueCell(const MeasurementSet &data, ValueTable table, int row, int column)
{
    Q_ASSERT(row >= 0 && row < valueRowCount(data, table));
    Q_ASSERT(column >= 0 && column < valueColumnCount(table));
    const bool amplitude = table == ValueTable::Amplitude;
    if (column == 0)
        return QByteArray::number(amplitude ? data.ampLineNumbers[row] : data.refLineNumbers[row]);
    QByteArray cell;
    appendJsonNumber(cell, amplitude ? data.ampSeries[column - 1][row] : data.refSeries[column - 1][row]);
    return cell;
}

QByteArray valuesCsv(const MeasurementSet &data, ValueTable table)
{
    const int rows = valueRowCount(data, table);
    const int columns = valueColumnCount(table);
    QByteArray out;
    out.reserve(24 * columns * (rows + 1));
    // No field holds a comma, a quote or a line end, so none needs quoting.
    for (int row = -1; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (column > 0)
                out += ',';
            out += row < 0 ? valueColumnName(table, column) : valueCell(data, table, row, column);
        }
        out += "\r\n";
    }
    return out;
}

QString writeValuesCsv(const QString &path, const MeasurementSet &data, ValueTable table)
{
    const QByteArray csv = valuesCsv(data, table);
    return writeOutputFile(path, [&csv](QIODevice &device) { return device.write(csv) == csv.size(); });
}
