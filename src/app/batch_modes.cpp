#include "app/batch_modes.h"

#include "app/process_platform.h"
#include "charts/chart_image.h"
#include "charts/chart_tools.h"
#include "data/measurement_json.h"
#include "data/measurement_reader.h"
#include "data/output_file.h"
#include "data/ref_path.h"
#include "data/value_table.h"
#include "lang/language.h"
#include "report/report_pdf.h"
#include "ui/file_messages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
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
        setLanguage(*line.language);
    // The system's reasons (strerror) would follow the user's locale, which need not be the
    // interface language: in the C locale's wording reasonText gives the common ones in the
    // interface language, like the messages around them, and the rest read in English rather
    // than in a third language.
    useEnglishSystemMessages();
}

// A file that cannot be opened gets the window's open error with the system's reason; a file
// the reader refuses gets the invalid-format message. Both name the file, which with --compare
// may be either of two.
std::unique_ptr<Measurement> readForBatch(const QString &amplitudeFile)
{
    auto measurement = std::make_unique<Measurement>();
    const QString ampPath = QFileInfo(amplitudeFile).absoluteFilePath();
    QString reason;
    const ReadOutcome outcome = readMeasurement(ampPath, deriveRefPath(ampPath), measurement->data,
                                                measurement->files, &reason);
    switch (outcome) {
    case ReadOutcome::Read:
        return measurement;
    case ReadOutcome::CannotOpen:
        printLine(QCoreApplication::translate("BatchModes", "Error while opening file!") + QLatin1Char('\n')
                  + amplitudeFile + QStringLiteral(": ") + reasonText(reason));
        return nullptr;
    case ReadOutcome::Refused:
    case ReadOutcome::ReadError:
    case ReadOutcome::Cancelled:   // the batch modes ask for no progress, so never
        break;
    }
    printLine(QCoreApplication::translate("BatchModes", "Invalid file format!\n\nData set could not be opened.")
              + QLatin1Char('\n') + amplitudeFile);
    return nullptr;
}

// Writing over the measurement itself would destroy it, so that is refused before the
// output is touched.
bool outputIsAnInput(const CommandLine &line)
{
    const auto isInput = [&line](const QString &amplitudeFile) {
        return !amplitudeFile.isEmpty()
            && isMeasurementFile(line.outputPath, QFileInfo(amplitudeFile).absoluteFilePath());
    };
    if (!isInput(line.amplitudeFile) && !isInput(line.compareFile))
        return false;
    printLine(QCoreApplication::translate("BatchModes", "cannot write %1: it is the measurement being read")
                  .arg(line.outputPath));
    return true;
}


int writtenOrThree(const CommandLine &line, const QString &reason)
{
    if (reason.isEmpty())
        return 0;
    printLine(QCoreApplication::translate("BatchModes", "cannot write %1: %2").arg(line.outputPath, reasonText(reason)));
    return 3;
}

} // namespace

void printLine(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fprintf(stderr, "%s\n", bytes.constData());
}

// Without a single font every text of a chart or report would come out blank or as boxes, in
// a file that looks finished; that is a failure to write the output, said as such. Fontconfig
// names its generic families even when it has no font file at all, but then the default font
// resolves to no family.
bool fontsMissing(const CommandLine &line)
{
    if (!QFontDatabase::families().isEmpty() && !QFontInfo(QGuiApplication::font()).family().isEmpty())
        return false;
    printLine(QStringLiteral("cannot write %1: no fonts were found to write its texts with")
                  .arg(line.outputPath));
    return true;
}

int runDump(const CommandLine &line)
{
    chooseLanguage(line);
    const std::unique_ptr<Measurement> measurement = readForBatch(line.amplitudeFile);
    if (!measurement)
        return 1;
    std::unique_ptr<Measurement> compared;
    if (!line.compareFile.isEmpty() && !(compared = readForBatch(line.compareFile)))
        return 1;
    const QByteArray json = compared
        ? measurementJson(measurement->data, measurement->files, compared->data, compared->files)
        : measurementJson(measurement->data, measurement->files);
    errno = 0;
    if (std::fwrite(json.constData(), 1, size_t(json.size()), stdout) == size_t(json.size()) && std::fflush(stdout) == 0)
        return 0;
    // A reader that went away (| head) has what it wanted; anything else is said.
    const int error = errno;
    if (!readerClosedThePipe(error))
        printLine(QCoreApplication::translate("BatchModes", "cannot write the measurement to standard output: %1")
                      .arg(reasonText(QString::fromLocal8Bit(std::strerror(error != 0 ? error : EIO)))));
    return 3;
}

// The steps --chart and --report share: refuse an output that is an input before reading, read
// (the compared measurement too, when there is one), then write through write, which returns an
// empty string or the reason it could not.
template <typename Write>
int runOutputMode(const CommandLine &line, Write write)
{
    chooseLanguage(line);
    if (outputIsAnInput(line))
        return 3;
    const std::unique_ptr<Measurement> measurement = readForBatch(line.amplitudeFile);
    if (!measurement)
        return 1;
    std::unique_ptr<Measurement> compared;
    if (!line.compareFile.isEmpty() && !(compared = readForBatch(line.compareFile)))
        return 1;
    return writtenOrThree(line, write(*measurement, compared.get()));
}

int runChart(const CommandLine &line)
{
    if (fontsMissing(line))
        return 3;
    return runOutputMode(line, [&line](const Measurement &measurement, const Measurement *compared) {
        const ChartComparison comparison =
            compared ? chartComparison(&compared->data, measurement.files, compared->files) : ChartComparison{};
        return writeChartImage(line.outputPath, line.chartSize, measurement.data, createChartTools(),
                               comparison);
    });
}

int runReport(const CommandLine &line)
{
    if (fontsMissing(line))
        return 3;
    return runOutputMode(line, [&line](const Measurement &measurement, const Measurement *) {
        ReportTexts texts;
        texts.bearingType = line.bearingType;
        for (int i = 0; i < line.remarks.size() && i < 3; ++i)
            texts.remarkLines[i] = line.remarks[i];
        return writeReportPdf(line.outputPath, texts, measurement.data, measurement.files,
                              createChartTools());
    });
}

int runCsv(const CommandLine &line)
{
    return runOutputMode(line, [&line](const Measurement &measurement, const Measurement *) {
        return writeValuesCsv(line.outputPath, measurement.data, line.csvTable);
    });
}
