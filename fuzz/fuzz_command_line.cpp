// The command-line parser on argument vectors split at NUL bytes: it never exits, and what it
// accepts keeps the promises the batch modes rely on.
#include "app/command_line.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList arguments{QStringLiteral("velkview")};
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!input.isEmpty()) {
        for (const QByteArray &argument : input.split('\0'))
            arguments.append(QString::fromUtf8(argument));
    }
    const CommandLine line = parseCommandLine(arguments);
    if (!line.error.isEmpty())
        return 0;
    FUZZ_CHECK(!line.language || (*line.language >= 0 && *line.language <= 4));
    switch (line.mode) {
    case CommandLine::Mode::Chart:
    case CommandLine::Mode::Trend:
        FUZZ_CHECK(line.outputPath.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)
                   || line.outputPath.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive));
        FUZZ_CHECK(line.chartSize.width() >= 1 && line.chartSize.width() <= 16384);
        FUZZ_CHECK(line.chartSize.height() >= 1 && line.chartSize.height() <= 16384);
        FUZZ_CHECK(!line.amplitudeFile.isEmpty());
        FUZZ_CHECK(line.mode == CommandLine::Mode::Chart || !line.summaryInputs.isEmpty());
        break;
    case CommandLine::Mode::Report:
        FUZZ_CHECK(!line.outputPath.isEmpty() && line.remarks.size() <= 3);
        FUZZ_CHECK(!line.amplitudeFile.isEmpty());
        break;
    case CommandLine::Mode::Dump:
        FUZZ_CHECK(!line.amplitudeFile.isEmpty());
        break;
    case CommandLine::Mode::Csv:
        FUZZ_CHECK(!line.outputPath.isEmpty() && !line.amplitudeFile.isEmpty());
        break;
    case CommandLine::Mode::Summary:
        FUZZ_CHECK(line.outputPath.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)
                   || line.outputPath.endsWith(QLatin1String(".json"), Qt::CaseInsensitive));
        FUZZ_CHECK(!line.summaryInputs.isEmpty());
        break;
    case CommandLine::Mode::Gui:
    case CommandLine::Mode::Help:
    case CommandLine::Mode::Version:
        break;
    }
    return 0;
}
