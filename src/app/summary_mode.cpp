#include "app/summary_mode.h"

#include "app/batch_modes.h"
#include "app/measurement_inputs.h"
#include "app/process_platform.h"

#include "data/measurement_figures.h"
#include "data/measurement_json.h"
#include "data/measurement_reader.h"
#include "data/output_file.h"

#include <QDateTime>
#include <QIODevice>

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr const char *seriesNames[] = {"curve1", "curve2", "red_mark", "blue_mark", "red_line", "blue_line"};
constexpr const char *jsonSeriesNames[] = {"curve1", "curve2", "redMark", "blueMark", "redLine", "blueLine"};

// What one measurement gives; the row is already formatted, so the rows held are small.
struct Outcome {
    QByteArray row;
    QString error;           // empty when read
    bool isOutput = false;   // the output would overwrite this measurement
};

QString fileDate(int64_t secondsSinceEpoch)
{
    const QDateTime local = QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, Qt::LocalTime);
    // With its offset, so a row read elsewhere means the same moment.
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

// CSV fields: a number as --dump writes it, empty where there is none.
void appendCsvNumber(QByteArray &out, double value)
{
    out += ',';
    if (!std::isnan(value))
        appendJsonNumber(out, value);
}

void appendCsvText(QByteArray &out, const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r'))
        bytes = '"' + bytes.replace('"', "\"\"") + '"';
    out += bytes;
}

QByteArray csvHeader()
{
    QByteArray header("file,ref_file,date,status,amp_count,ref_count,within_limits");
    for (int series = 0; series < 6; ++series) {
        for (const char *figure : {"min", "min_angle", "max", "max_angle", "mean", "peak_to_peak"})
            header += ',' + QByteArray(seriesNames[series]) + '_' + figure;
        if (series < 2) {
            for (const char *figure : {"excursions", "angle_outside", "worst", "worst_angle"})
                header += ',' + QByteArray(seriesNames[series]) + '_' + figure;
        }
    }
    return header + "\r\n";
}

struct Read {
    const MeasurementFiles *files = nullptr;   // null when the file could not be opened
    const MeasurementSet *data = nullptr;      // null unless read
};

constexpr double none = std::numeric_limits<double>::quiet_NaN();

QByteArray csvRow(const QString &path, const Read &read, const QString &status)
{
    QByteArray out;
    appendCsvText(out, path);
    out += ',';
    if (read.files)
        appendCsvText(out, read.files->refFileTitle);
    out += ',';
    if (read.files)
        out += fileDate(read.files->ampFileStatus.modificationTime).toUtf8();
    out += ',';
    appendCsvText(out, status);
    if (!read.data) {
        out += QByteArray(7 + 6 * 6 + 2 * 4 - 4, ',') + "\r\n";
        return out;
    }
    const MeasurementFigures figures = measurementFigures(*read.data);
    out += ',' + QByteArray::number(figures.amplitude[0].count) + ',' + QByteArray::number(figures.reference[0].count)
        + (figures.withinLimits() ? ",yes" : ",no");
    for (int series = 0; series < 6; ++series) {
        const SeriesFigures &f = series < 2 ? figures.amplitude[series] : figures.reference[series - 2];
        for (const double value : {f.minimum, f.minimumAngle, f.maximum, f.maximumAngle, f.mean, f.peakToPeak})
            appendCsvNumber(out, f.count > 0 ? value : none);
        if (series < 2) {
            const CurveExcursions &e = figures.excursions[series];
            out += ',' + QByteArray::number(qsizetype(e.ranges.size()));
            appendCsvNumber(out, e.angleOutside);
            appendCsvNumber(out, e.ranges.empty() ? none : e.worstValue);
            appendCsvNumber(out, e.ranges.empty() ? none : e.worstAngle);
        }
    }
    return out + "\r\n";
}

void appendJsonMember(QByteArray &out, const char *name, double value)
{
    out += ",\"" + QByteArray(name) + "\":";
    appendJsonNumber(out, value);
}

void appendJsonSeries(QByteArray &out, const SeriesFigures &f)
{
    out += "{\"count\":" + QByteArray::number(f.count);
    const auto figure = [&f](double value) { return f.count > 0 ? value : none; };
    appendJsonMember(out, "min", figure(f.minimum));
    appendJsonMember(out, "minAngle", figure(f.minimumAngle));
    appendJsonMember(out, "max", figure(f.maximum));
    appendJsonMember(out, "maxAngle", figure(f.maximumAngle));
    appendJsonMember(out, "mean", figure(f.mean));
    appendJsonMember(out, "peakToPeak", figure(f.peakToPeak));
}

void appendJsonExcursions(QByteArray &out, const CurveExcursions &e)
{
    out += ",\"excursions\":" + QByteArray::number(qsizetype(e.ranges.size()));
    appendJsonMember(out, "angleOutside", e.angleOutside);
    appendJsonMember(out, "worst", e.ranges.empty() ? none : e.worstValue);
    appendJsonMember(out, "worstAngle", e.ranges.empty() ? none : e.worstAngle);
    out += ",\"ranges\":[";
    for (const Excursion &range : e.ranges) {
        if (&range != &e.ranges.front())
            out += ',';
        out += range.side == LimitSide::Above ? "{\"side\":\"above\"" : "{\"side\":\"below\"";
        appendJsonMember(out, "start", range.startAngle);
        appendJsonMember(out, "end", range.endAngle);
        appendJsonMember(out, "width", range.width);
        appendJsonMember(out, "worst", range.worstValue);
        appendJsonMember(out, "worstAngle", range.worstAngle);
        out += '}';
    }
    out += ']';
}

QByteArray jsonRow(const QString &path, const Read &read, const QString &status)
{
    QByteArray out("{\"file\":");
    appendJsonString(out, path);
    out += ",\"refFile\":";
    if (read.files)
        appendJsonString(out, read.files->refFileTitle);
    else
        out += "null";
    out += ",\"date\":";
    if (read.files)
        appendJsonString(out, fileDate(read.files->ampFileStatus.modificationTime));
    else
        out += "null";
    out += ",\"status\":";
    appendJsonString(out, status);
    if (!read.data)
        return out + '}';
    const MeasurementFigures figures = measurementFigures(*read.data);
    out += ",\"ampCount\":" + QByteArray::number(figures.amplitude[0].count) + ",\"refCount\":"
        + QByteArray::number(figures.reference[0].count)
        + (figures.withinLimits() ? ",\"withinLimits\":true" : ",\"withinLimits\":false");
    for (int series = 0; series < 6; ++series) {
        out += ",\"" + QByteArray(jsonSeriesNames[series]) + "\":";
        appendJsonSeries(out, series < 2 ? figures.amplitude[series] : figures.reference[series - 2]);
        if (series < 2)
            appendJsonExcursions(out, figures.excursions[series]);
        out += '}';
    }
    return out + '}';
}

enum class Format { Csv, Json };

Outcome summarise(const MeasurementInput &input, const QString &outputPath, Format format, MeasurementSet &data)
{
    const InputRead read = readInput(input, outputPath, data);
    const bool filesKnown = input.listError.isEmpty() && read.outcome != ReadOutcome::CannotOpen;
    const Read shown{filesKnown ? &read.files : nullptr, read.outcome == ReadOutcome::Read ? &data : nullptr};
    const QString status = read.error.isEmpty() ? QStringLiteral("read") : read.error;
    return {format == Format::Csv ? csvRow(input.path, shown, status) : jsonRow(input.path, shown, status),
            read.error, read.isOutput};
}

std::vector<Outcome> summariseAll(const std::vector<MeasurementInput> &inputs, const QString &outputPath,
                                  Format format)
{
    std::vector<Outcome> outcomes(inputs.size());
    forEachInParallel(inputs.size(), [&](size_t index, MeasurementSet &data) {
        outcomes[index] = summarise(inputs[index], outputPath, format, data);
    });
    return outcomes;
}

} // namespace

int runSummary(const CommandLine &line)
{
    // The system's reasons in the rows read in English, like the rest of them.
    useEnglishSystemMessages();
    const Format format = line.outputPath.endsWith(QLatin1String(".json"), Qt::CaseInsensitive) ? Format::Json
                                                                                                 : Format::Csv;
    const std::vector<MeasurementInput> inputs = expandInputs(line.summaryInputs);
    const std::vector<Outcome> outcomes = summariseAll(inputs, line.outputPath, format);
    int unread = 0;
    for (size_t index = 0; index < outcomes.size(); ++index) {
        if (outcomes[index].isOutput) {
            printLine(QStringLiteral("cannot write %1: it is the measurement being read (%2)")
                          .arg(line.outputPath, inputs[index].path));
            return 3;
        }
        unread += !outcomes[index].error.isEmpty();
    }
    const QString reason = writeOutputFile(line.outputPath, [&](QIODevice &device) {
        if (device.write(format == Format::Csv ? csvHeader() : QByteArray("[")) < 0)
            return false;
        for (size_t index = 0; index < outcomes.size(); ++index) {
            const QByteArray separator = format == Format::Json ? QByteArray(index > 0 ? ",\n" : "\n") : QByteArray();
            if (device.write(separator + outcomes[index].row) < 0)
                return false;
        }
        return format == Format::Csv || device.write("\n]\n") >= 0;
    });
    if (!reason.isEmpty()) {
        printLine(QStringLiteral("cannot write %1: %2").arg(line.outputPath, reason));
        return 3;
    }
    if (unread == 0)
        return 0;
    // Named after the output is written, so the list is not lost among the rows' work.
    for (size_t index = 0; index < outcomes.size(); ++index) {
        if (!outcomes[index].error.isEmpty())
            printLine(QStringLiteral("%1: %2").arg(inputs[index].path, outcomes[index].error));
    }
    return 1;
}
