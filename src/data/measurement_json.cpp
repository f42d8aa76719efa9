#include "data/measurement_json.h"

#include <charconv>
#include <cmath>

namespace {

void appendArray(QByteArray &out, const double *values, int count)
{
    out += '[';
    for (int index = 0; index < count; ++index) {
        if (index > 0)
            out += ',';
        appendJsonNumber(out, values[index]);
    }
    out += ']';
}

template<size_t seriesCount, size_t capacity>
void appendSeries(QByteArray &out, const double (&series)[seriesCount][capacity], int count)
{
    Q_ASSERT(count >= 0 && static_cast<size_t>(count) < capacity);
    out += '[';
    for (size_t index = 0; index < seriesCount; ++index) {
        if (index > 0)
            out += ',';
        appendArray(out, series[index], count);
    }
    out += ']';
}

} // namespace

void appendJsonNumber(QByteArray &out, double value)
{
    if (std::isnan(value)) {
        out += "null";
        return;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-1e999" : "1e999";
        return;
    }
    // to_chars without a precision gives the shortest round-trip form and ignores the locale.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    Q_ASSERT(result.ec == std::errc());
    out.append(buffer, result.ptr - buffer);
}

void appendJsonString(QByteArray &out, const QString &text)
{
    static constexpr char hexDigits[] = "0123456789abcdef";
    out += '"';
    for (const char byte : text.toUtf8()) {
        const auto code = static_cast<unsigned char>(byte);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += byte;
        } else if (code < 0x20) {
            out += "\\u00";
            out += hexDigits[code >> 4];
            out += hexDigits[code & 0x0f];
        } else {
            out += byte;
        }
    }
    out += '"';
}

namespace {

// The members of one data set's object, without its braces.
void appendMembers(QByteArray &out, const MeasurementSet &data, const MeasurementFiles &files)
{
    out += "\"ampFileTitle\":";
    appendJsonString(out, files.ampFileTitle);
    out += ",\"refFileTitle\":";
    appendJsonString(out, files.refFileTitle);
    out += ",\"ampCount\":";
    out += QByteArray::number(data.ampCount);
    out += ",\"refCount\":";
    out += QByteArray::number(data.refCount);
    out += ",\"ampSeries\":";
    appendSeries(out, data.ampSeries, data.ampCount);
    out += ",\"refSeries\":";
    appendSeries(out, data.refSeries, data.refCount);
}

// About 20 characters a number; one allocation for the largest data set.
qsizetype expectedSize(const MeasurementSet &data)
{
    return 256 + 20 * (3 * qsizetype(data.ampCount) + 5 * qsizetype(data.refCount));
}

} // namespace

QByteArray measurementJson(const MeasurementSet &data, const MeasurementFiles &files)
{
    QByteArray out;
    out.reserve(expectedSize(data));
    out += '{';
    appendMembers(out, data, files);
    out += "}\n";
    return out;
}

QByteArray measurementJson(const MeasurementSet &data, const MeasurementFiles &files,
                           const MeasurementSet &compared, const MeasurementFiles &comparedFiles)
{
    QByteArray out;
    out.reserve(expectedSize(data) + expectedSize(compared));
    out += '{';
    appendMembers(out, data, files);
    out += ",\"compare\":{";
    appendMembers(out, compared, comparedFiles);
    out += "}}\n";
    return out;
}
