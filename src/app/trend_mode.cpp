#include "app/trend_mode.h"
#include "app/batch_modes.h"
#include "app/process_platform.h"

#include "app/measurement_inputs.h"
#include "charts/chart_tools.h"
#include "charts/trend_image.h"
#include "data/measurement_figures.h"
#include "data/measurement_reader.h"
#include "data/output_file.h"
#include "data/ref_path.h"

#include <QFileInfo>

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace {

// What one measurement gives the trend: its point and what places and names it.
struct Entry {
    TrendPoint point;
    int64_t date = 0;        // the amplitude file's modification time
    QString title;
    QString error;           // empty when read
    bool isOutput = false;   // the output would overwrite this measurement
};

Entry readEntry(const MeasurementInput &input, const QString &outputPath, MeasurementSet &data)
{
    Entry entry;
    if (!input.listError.isEmpty()) {
        entry.error = input.listError;
        return entry;
    }
    const QString ampPath = QFileInfo(input.path).absoluteFilePath();
    entry.isOutput = isMeasurementFile(outputPath, ampPath);
    MeasurementFiles files;
    QString reason;
    switch (readMeasurement(ampPath, deriveRefPath(ampPath), data, files, &reason)) {
    case ReadOutcome::Read:
        entry.point = trendPoint(measurementFigures(data));
        entry.date = files.ampFileStatus.modificationTime;
        entry.title = files.ampFileTitle;
        return entry;
    case ReadOutcome::CannotOpen:
        entry.error = QStringLiteral("cannot open: ") + reason;
        return entry;
    case ReadOutcome::Refused:
        entry.error = QStringLiteral("invalid file format");
        return entry;
    case ReadOutcome::ReadError:
    case ReadOutcome::Cancelled:   // no progress is asked for, so never
        entry.error = QStringLiteral("read error");
        return entry;
    }
    Q_UNREACHABLE();
}

} // namespace

int runTrend(const CommandLine &line)
{
    // The system's reasons read in English, as --summary gives them.
    useEnglishSystemMessages();
    if (fontsMissing(line))
        return 3;
    const std::vector<MeasurementInput> inputs = expandInputs(line.summaryInputs);
    std::vector<Entry> entries(inputs.size());
    forEachInParallel(inputs.size(), [&](size_t index, MeasurementSet &data) {
        entries[index] = readEntry(inputs[index], line.outputPath, data);
    });
    std::vector<const Entry *> shown;
    for (size_t index = 0; index < entries.size(); ++index) {
        if (entries[index].isOutput) {
            printLine(QStringLiteral("cannot write %1: it is the measurement being read (%2)")
                          .arg(line.outputPath, inputs[index].path));
            return 3;
        }
        if (entries[index].error.isEmpty())
            shown.push_back(&entries[index]);
    }
    std::stable_sort(shown.begin(), shown.end(), [](const Entry *a, const Entry *b) { return a->date < b->date; });
    std::vector<TrendPoint> points;
    points.reserve(shown.size());
    for (const Entry *entry : shown)
        points.push_back(entry->point);
    const QString title = shown.empty() ? QString() : trendTitle(shown.front()->title, shown.back()->title, shown.size());
    const QString reason = writeTrendImage(line.outputPath, line.chartSize, points, title, createChartTools());
    if (!reason.isEmpty()) {
        printLine(QStringLiteral("cannot write %1: %2").arg(line.outputPath, reason));
        return 3;
    }
    int unread = 0;
    for (size_t index = 0; index < entries.size(); ++index) {
        if (!entries[index].error.isEmpty()) {
            printLine(QStringLiteral("%1: %2").arg(inputs[index].path, entries[index].error));
            ++unread;
        }
    }
    return unread == 0 ? 0 : 1;
}
