#include "app/batch_modes.h"

#include "charts/chart_image.h"
#include "charts/chart_tools.h"
#include "data/measurement_json.h"
#include "data/measurement_reader.h"
#include "data/ref_path.h"
#include "lang/ui_texts.h"
#include "report/report_pdf.h"

#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace {

// The data set is too large for the stack.
struct Measurement {
    MeasurementSet data;
    MeasurementFiles files;
};

void chooseLanguage(const CommandLine &line)
{
    detectLanguage();
    if (line.language)
        languageIndex = *line.language;
}

std::unique_ptr<Measurement> readForBatch(const CommandLine &line)
{
    auto measurement = std::make_unique<Measurement>();
    const QString ampPath = QFileInfo(line.amplitudeFile).absoluteFilePath();
    const bool isFile = !QFileInfo(ampPath).isDir();
    if (!isFile || readMeasurement(ampPath, deriveRefPath(ampPath), measurement->data, measurement->files)
                       != ReadOutcome::Read) {
        const QByteArray message = uiText(UiText::InvalidFileFormat).toUtf8();
        std::fprintf(stderr, "%s\n", message.constData());
        return nullptr;
    }
    return measurement;
}

} // namespace

int runDump(const CommandLine &line)
{
    chooseLanguage(line);
    const std::unique_ptr<Measurement> measurement = readForBatch(line);
    if (!measurement)
        return 1;
    const QByteArray json = measurementJson(measurement->data, measurement->files);
    const bool written = std::fwrite(json.constData(), 1, size_t(json.size()), stdout) == size_t(json.size());
    return written && std::fflush(stdout) == 0 ? 0 : 3;
}

int runChart(const CommandLine &line)
{
    chooseLanguage(line);
    const std::unique_ptr<Measurement> measurement = readForBatch(line);
    if (!measurement)
        return 1;
    return writeChartImage(line.outputPath, line.chartSize, measurement->data, createChartTools()) ? 0 : 3;
}

int runReport(const CommandLine &line)
{
    chooseLanguage(line);
    const std::unique_ptr<Measurement> measurement = readForBatch(line);
    if (!measurement)
        return 1;
    ReportTexts texts;
    texts.bearingType = line.bearingType;
    for (int i = 0; i < line.remarks.size() && i < 3; ++i)
        texts.remarkLines[i] = line.remarks[i];
    return writeReportPdf(line.outputPath, texts, measurement->data, measurement->files, createChartTools()) ? 0 : 3;
}
