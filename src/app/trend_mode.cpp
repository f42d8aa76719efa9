#include "app/trend_mode.h"

#include "app/batch_modes.h"
#include "app/measurement_inputs.h"
#include "app/process_platform.h"
#include "charts/chart_tools.h"
#include "charts/trend_image.h"
#include "data/measurement_figures.h"
#include "data/measurement_reader.h"


#include <algorithm>
#include <cstdint>

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
    const InputRead read = readInput(input, outputPath, data);
    Entry entry;
    entry.error = read.error;
    entry.isOutput = read.isOutput;
    if (read.outcome == ReadOutcome::Read && read.error.isEmpty()) {
        entry.point = trendPoint(measurementFigures(data));
        entry.date = read.files.ampFileStatus.modificationTime;
        entry.title = read.files.ampFileTitle;
    }
    return entry;
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
