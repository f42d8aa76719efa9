#include "app/command_line.h"

#include <QCommandLineParser>
#include <QRegularExpression>


namespace {

std::optional<QSize> parseSize(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int width = match.captured(1).toInt();
    const int height = match.captured(2).toInt();
    if (width < 1 || height < 1 || width > 16384 || height > 16384)
        return std::nullopt;
    return QSize(width, height);
}

} // namespace

std::optional<int> languageFromCode(const QString &code)
{
    static const QStringList codes = {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"),
                                      QStringLiteral("it"), QStringLiteral("es")};
    const int index = codes.indexOf(code);
    if (index < 0)
        return std::nullopt;
    return index;
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("VELKView: viewer for bearing measurement files."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("Interface language: en, de, fr, it or es."), QStringLiteral("CODE"));
    const QCommandLineOption dump(QStringLiteral("dump"), QStringLiteral("Print the measurement as JSON."));
    const QCommandLineOption chart(QStringLiteral("chart"),
                                   QStringLiteral("Write the results window's charts to a PNG or SVG file."),
                                   QStringLiteral("OUT"));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Client area for --chart (default 1280x1000)."),
                                  QStringLiteral("WxH"));
    const QCommandLineOption report(QStringLiteral("report"), QStringLiteral("Write the printed report as a PDF."),
                                    QStringLiteral("OUT"));
    const QCommandLineOption bearingType(QStringLiteral("bearing-type"),
                                         QStringLiteral("Bearing type for --report (default \"ZEPH \")."),
                                         QStringLiteral("TEXT"));
    const QCommandLineOption remark(QStringLiteral("remark"), QStringLiteral("A remark line for --report (up to three)."),
                                    QStringLiteral("TEXT"));
    parser.addOptions({language, dump, chart, size, report, bearingType, remark});
    parser.addPositionalArgument(QStringLiteral("AMPLITUDE_FILE"), QStringLiteral("The *_amp.txt file to open."),
                                 QStringLiteral("[AMPLITUDE_FILE]"));

    CommandLine line;
    // Parsed before the application object exists, the help text lacks the program's name.
    line.helpText = parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("velkview"));
    if (!parser.parse(arguments)) {
        line.error = parser.errorText();
        return line;
    }
    if (parser.isSet(help)) {
        line.mode = CommandLine::Mode::Help;
        return line;
    }
    if (parser.isSet(version)) {
        line.mode = CommandLine::Mode::Version;
        return line;
    }
    if (parser.isSet(language)) {
        line.language = languageFromCode(parser.value(language));
        if (!line.language) {
            line.error = QStringLiteral("Unknown language \"%1\": use en, de, fr, it or es.").arg(parser.value(language));
            return line;
        }
    }
    const int modes = int(parser.isSet(dump)) + int(parser.isSet(chart)) + int(parser.isSet(report));
    if (modes > 1) {
        line.error = QStringLiteral("Use only one of --dump, --chart and --report.");
        return line;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        line.error = QStringLiteral("Give at most one amplitude file.");
        return line;
    }
    line.amplitudeFile = positional.value(0);
    if (parser.isSet(dump))
        line.mode = CommandLine::Mode::Dump;
    else if (parser.isSet(chart))
        line.mode = CommandLine::Mode::Chart;
    else if (parser.isSet(report))
        line.mode = CommandLine::Mode::Report;

    const bool isChart = line.mode == CommandLine::Mode::Chart;
    const bool isReport = line.mode == CommandLine::Mode::Report;
    if (parser.isSet(size) && !isChart) {
        line.error = QStringLiteral("--size goes with --chart.");
        return line;
    }
    if ((parser.isSet(bearingType) || parser.isSet(remark)) && !isReport) {
        line.error = QStringLiteral("--bearing-type and --remark go with --report.");
        return line;
    }
    if (line.mode != CommandLine::Mode::Gui && line.amplitudeFile.isEmpty()) {
        line.error = QStringLiteral("An amplitude file is needed.");
        return line;
    }
    if (isChart) {
        line.outputPath = parser.value(chart);
        const QString lower = line.outputPath.toLower();
        if (!lower.endsWith(QLatin1String(".png")) && !lower.endsWith(QLatin1String(".svg"))) {
            line.error = QStringLiteral("--chart writes a .png or .svg file.");
            return line;
        }
        if (parser.isSet(size)) {
            const std::optional<QSize> parsed = parseSize(parser.value(size));
            if (!parsed) {
                line.error = QStringLiteral("--size takes WxH, for example 1280x1000.");
                return line;
            }
            line.chartSize = *parsed;
        }
    }
    if (isReport) {
        line.outputPath = parser.value(report);
        if (parser.isSet(bearingType))
            line.bearingType = parser.value(bearingType);
        line.remarks = parser.values(remark);
        if (line.remarks.size() > 3) {
            line.error = QStringLiteral("At most three --remark lines.");
            return line;
        }
    }
    return line;
}
