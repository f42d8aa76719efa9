#include "app/command_line.h"

#include "lang/language.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// The options, kept together so every mode's check can ask the parser about any of them.
struct Options {
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption language{QStringLiteral("language"),
                                QStringLiteral("Interface language: en, de, fr, it or es."),
                                QStringLiteral("CODE")};
    QCommandLineOption dump{QStringLiteral("dump"), QStringLiteral("Print the measurement as JSON.")};
    QCommandLineOption chart{QStringLiteral("chart"),
                             QStringLiteral("Write the results window's charts to a PNG or SVG file."),
                             QStringLiteral("OUT")};
    QCommandLineOption compare{QStringLiteral("compare"),
                               QStringLiteral("A second measurement: drawn behind the first (in the window too) "
                                              "or dumped beside it."),
                               QStringLiteral("OTHER_AMP")};
    QCommandLineOption size{QStringLiteral("size"),
                            QStringLiteral("Client area for --chart and --trend, up to 16384x16384 (default 1280x1000)."),
                            QStringLiteral("WxH")};
    QCommandLineOption report{QStringLiteral("report"), QStringLiteral("Write the printed report as a PDF."),
                              QStringLiteral("OUT")};
    QCommandLineOption csv{QStringLiteral("csv"),
                           QStringLiteral("Write a table of the measurement's values as CSV."),
                           QStringLiteral("OUT")};
    QCommandLineOption summary{QStringLiteral("summary"),
                               QStringLiteral("Write each measurement's figures against the limit lines as one "
                                              "row of a CSV or JSON file; the files are the amplitude files given "
                                              "and those in each DIR given."),
                               QStringLiteral("OUT")};
    QCommandLineOption trend{QStringLiteral("trend"),
                             QStringLiteral("Draw each measurement's curve minima and maxima against the limit lines, "
                                            "in file-date order, to a PNG or SVG file; the files as for --summary."),
                             QStringLiteral("OUT")};
    QCommandLineOption table{QStringLiteral("table"),
                             QStringLiteral("The table for --csv: amplitude (default) or reference."),
                             QStringLiteral("NAME")};
    QCommandLineOption bearingType{QStringLiteral("bearing-type"),
                                   QStringLiteral("Bearing type for --report (default \"ZEPH \")."),
                                   QStringLiteral("TEXT")};
    QCommandLineOption remark{QStringLiteral("remark"),
                              QStringLiteral("A remark line for --report (up to three)."),
                              QStringLiteral("TEXT")};

    QCommandLineOption follow{QStringLiteral("follow"),
                              QStringLiteral("Follow a folder: show each new measurement once it is complete. The folder is "
                                             "DIR when the file argument is a folder, else the file's folder, else the "
                                             "last file's.")};
    QCommandLineOption partnerWait{QStringLiteral("partner-wait"),
                                   QStringLiteral("With --follow: how long an amplitude file that has settled waits "
                                                  "for its reference file, in folders that hold pairs, in "
                                                  "milliseconds (default 5000)."),
                                   QStringLiteral("MS")};
    QCommandLineOption settle{QStringLiteral("settle"),
                              QStringLiteral("With --follow: how long a measurement's files must stay unchanged "
                                             "before it is shown, in milliseconds (default 1000)."),
                              QStringLiteral("MS")};

    explicit Options(QCommandLineParser &parser)
        : help(parser.addHelpOption()), version(parser.addVersionOption())
    {
        parser.addOptions({language, dump, chart, compare, size, report, csv, summary, trend, table, bearingType, remark, follow, settle, partnerWait});
    }
};

// Qt's standard options, which the application object reads from the same arguments. Single
// dash (as Qt documents them) or double, with the value apart or after "=".
const char *const qtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "style", "stylesheet", "session",
    "display", "geometry", "title", "name", "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "dialogs", "visual", "im", "inputstyle", "fn", "font", "bg", "background", "fg", "foreground",
    "btn", "button", "qmljsdebugger"};
const char *const qtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "cmap", "testability"};

bool isQtOption(const QString &argument, bool &takesValue)
{
    if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("--"))
        return false;
    const QString body = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    const QString name = body.section(QLatin1Char('='), 0, 0);
    for (const char *option : qtOptionsWithValue) {
        if (name == QLatin1String(option)) {
            takesValue = !body.contains(QLatin1Char('='));
            return true;
        }
    }
    takesValue = false;
    for (const char *flag : qtFlags) {
        if (body == QLatin1String(flag))
            return true;
    }
    return false;
}

QStringList withoutQtOptions(const QStringList &arguments)
{
    QStringList ours;
    bool optionsEnded = false;   // after "--" everything is a file name
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        bool takesValue = false;
        optionsEnded = optionsEnded || arguments[i] == QLatin1String("--");
        if (i == 0 || optionsEnded || !isQtOption(arguments[i], takesValue)) {
            ours.append(arguments[i]);
            continue;
        }
        if (takesValue)
            ++i;
    }
    return ours;
}

QString qtOptionsHelp()
{
    return QStringLiteral(
        "\nQt options (read by the application object, as in any Qt program):\n"
        "  -platform NAME[:OPTIONS]  Platform plugin (xcb, wayland, offscreen, ...).\n"
        "  -platformtheme NAME       Platform theme.\n"
        "  -plugin NAME              Extra plugin to load.\n"
        "  -style NAME               Widget style (Fusion, Windows, ...).\n"
        "  -stylesheet FILE          Style sheet for the widgets.\n"
        "  -reverse                  Right-to-left layout.\n"
        "  -widgetcount              Print the number of widgets left at exit.\n"
        "  -qwindowgeometry GEOMETRY First window's geometry (X11: -geometry).\n"
        "  -qwindowtitle TITLE       First window's title (X11: -title).\n"
        "  -qwindowicon FILE         Windows' default icon.\n"
        "  -session ID               Restore the session ID.\n"
        "  -display NAME             X11 display (X11 only).\n"
        "  -nograb, -dograb          Never or always grab mouse and keyboard (X11).\n"
        "  -sync                     Synchronous X11 mode, for debugging.\n");
}

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

QString readLanguage(const QCommandLineParser &parser, const Options &options, CommandLine &line)
{
    if (!parser.isSet(options.language))
        return QString();
    const int index = languageFromCode(parser.value(options.language).toStdString());
    if (index < 0)
        return QStringLiteral("Unknown language \"%1\": use en, de, fr, it or es.")
            .arg(parser.value(options.language));
    line.language = index;
    return QString();
}

// The batch mode, or an error when more than one was asked for.
QString readMode(const QCommandLineParser &parser, const Options &options, CommandLine &line)
{
    const int modes = int(parser.isSet(options.dump)) + int(parser.isSet(options.chart))
        + int(parser.isSet(options.report)) + int(parser.isSet(options.csv)) + int(parser.isSet(options.summary))
        + int(parser.isSet(options.trend));
    if (modes > 1)
        return QStringLiteral("Use only one of --dump, --chart, --report, --csv, --summary and --trend.");
    if (parser.isSet(options.dump))
        line.mode = CommandLine::Mode::Dump;
    else if (parser.isSet(options.chart))
        line.mode = CommandLine::Mode::Chart;
    else if (parser.isSet(options.report))
        line.mode = CommandLine::Mode::Report;
    else if (parser.isSet(options.csv))
        line.mode = CommandLine::Mode::Csv;
    else if (parser.isSet(options.summary))
        line.mode = CommandLine::Mode::Summary;
    else if (parser.isSet(options.trend))
        line.mode = CommandLine::Mode::Trend;
    return QString();
}

// The file and the options that belong to one mode only.
QString readFileAndOwners(const QCommandLineParser &parser, const Options &options, CommandLine &line)
{
    const QStringList positional = parser.positionalArguments();
    if (line.mode == CommandLine::Mode::Summary || line.mode == CommandLine::Mode::Trend)
        line.summaryInputs = positional;
    else if (positional.size() > 1)
        return QStringLiteral("Give at most one amplitude file.");
    line.amplitudeFile = positional.value(0);
    if (parser.isSet(options.size) && line.mode != CommandLine::Mode::Chart && line.mode != CommandLine::Mode::Trend)
        return QStringLiteral("--size goes with --chart or --trend.");
    if (parser.isSet(options.compare)) {
        if (line.mode != CommandLine::Mode::Chart && line.mode != CommandLine::Mode::Dump
            && line.mode != CommandLine::Mode::Gui)
            return QStringLiteral("--compare goes with the window, --chart or --dump.");
        line.compareFile = parser.value(options.compare);
        if (line.compareFile.isEmpty())
            return QStringLiteral("--compare needs an amplitude file.");
        if (line.mode == CommandLine::Mode::Gui && line.amplitudeFile.isEmpty())
            return QStringLiteral("--compare needs the amplitude file to compare it with.");
    }
    if ((parser.isSet(options.bearingType) || parser.isSet(options.remark))
        && line.mode != CommandLine::Mode::Report)
        return QStringLiteral("--bearing-type and --remark go with --report.");
    if (parser.isSet(options.table) && line.mode != CommandLine::Mode::Csv)
        return QStringLiteral("--table goes with --csv.");
    if (line.mode != CommandLine::Mode::Gui && line.amplitudeFile.isEmpty())
        return QStringLiteral("An amplitude file is needed.");
    return QString();
}

// --chart and --trend: a picture and its size.
QString readChart(const QCommandLineParser &parser, const Options &options, CommandLine &line)
{
    const bool trend = line.mode == CommandLine::Mode::Trend;
    const QString option = trend ? QStringLiteral("--trend") : QStringLiteral("--chart");
    line.outputPath = parser.value(trend ? options.trend : options.chart);
    if (line.outputPath.isEmpty())
        return QStringLiteral("%1 needs a file name.").arg(option);
    const QString lower = line.outputPath.toLower();
    if (!lower.endsWith(QLatin1String(".png")) && !lower.endsWith(QLatin1String(".svg")))
        return QStringLiteral("%1 writes a .png or .svg file.").arg(option);
    if (parser.isSet(options.size)) {
        const std::optional<QSize> parsed = parseSize(parser.value(options.size));
        if (!parsed)
            return QStringLiteral("--size takes WxH up to 16384x16384, for example 1280x1000.");
        line.chartSize = *parsed;
    }
    return QString();
}

QString readReport(const QCommandLineParser &parser, const Options &options, CommandLine &line)
{
    line.outputPath = parser.value(options.report);
    if (line.outputPath.isEmpty())
        return QStringLiteral("--report needs a file name.");
    if (parser.isSet(options.bearingType))
        line.bearingType = parser.value(options.bearingType);
    line.remarks = parser.values(options.remark);
    if (line.remarks.size() > 3)
        return QStringLiteral("At most three --remark lines.");
    return QString();
}

QString readSummary(const QCommandLineParser &parser, const Options &options, CommandLine &line)
{
    line.outputPath = parser.value(options.summary);
    const QString lower = line.outputPath.toLower();
    if (!lower.endsWith(QLatin1String(".csv")) && !lower.endsWith(QLatin1String(".json")))
        return QStringLiteral("--summary writes a .csv or .json file.");
    return QString();
}

QString readCsv(const QCommandLineParser &parser, const Options &options, CommandLine &line)
{
    line.outputPath = parser.value(options.csv);
    if (line.outputPath.isEmpty())
        return QStringLiteral("--csv needs a file name.");
    const QString table = parser.value(options.table);
    if (table == QLatin1String("reference"))
        line.csvTable = ValueTable::Reference;
    else if (!table.isEmpty() && table != QLatin1String("amplitude"))
        return QStringLiteral("--table takes amplitude or reference.");
    return QString();
}

// --follow and --settle belong to the window; the folder or file given is the one followed.
QString readFollow(const QCommandLineParser &parser, const Options &options, CommandLine &line)
{
    line.follow = parser.isSet(options.follow);
    if (line.follow && line.mode != CommandLine::Mode::Gui)
        return QStringLiteral("--follow opens the window; it does not go with --dump, --chart, --report or --csv.");
    if (parser.isSet(options.settle)) {
        if (!line.follow)
            return QStringLiteral("--settle goes with --follow.");
        bool ok = false;
        const QString text = parser.value(options.settle);
        line.settleMs = text.toInt(&ok);
        if (!ok || line.settleMs < 0 || line.settleMs > 600000 || text.startsWith(QLatin1Char('+')))
            return QStringLiteral("--settle takes milliseconds from 0 to 600000.");
    }
    // Folder or file is told apart by the follower, whose worker may wait on a share.
    if (parser.isSet(options.partnerWait)) {
        if (!line.follow)
            return QStringLiteral("--partner-wait goes with --follow.");
        bool ok = false;
        const QString text = parser.value(options.partnerWait);
        line.partnerWaitMs = text.toInt(&ok);
        if (!ok || line.partnerWaitMs < 0 || line.partnerWaitMs > 600000 || text.startsWith(QLatin1Char('+')))
            return QStringLiteral("--partner-wait takes milliseconds from 0 to 600000.");
    }
    if (line.follow && !line.compareFile.isEmpty())
        return QStringLiteral("--compare does not go with --follow.");
    if (line.follow) {
        line.followFolder = line.amplitudeFile;
        line.amplitudeFile.clear();
    }
    return QString();
}

// The checks of the batch mode asked for.
QString readModeOptions(const QCommandLineParser &parser, const Options &options, CommandLine &line)
{
    if (line.mode == CommandLine::Mode::Chart || line.mode == CommandLine::Mode::Trend)
        return readChart(parser, options, line);
    if (line.mode == CommandLine::Mode::Report)
        return readReport(parser, options, line);
    if (line.mode == CommandLine::Mode::Csv)
        return readCsv(parser, options, line);
    if (line.mode == CommandLine::Mode::Summary)
        return readSummary(parser, options, line);
    return QString();
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("VELKView: viewer for bearing measurement files."));
    const Options options(parser);
    parser.addPositionalArgument(QStringLiteral("AMPLITUDE_FILE"), QStringLiteral("The *_amp.txt file to open."),
                                 QStringLiteral("[AMPLITUDE_FILE]"));

    CommandLine line;
    for (const QString &argument : arguments) {
        const QString name = argument.section(QLatin1Char('='), 0, 0);
        line.platformGiven = line.platformGiven || name == QLatin1String("-platform") || name == QLatin1String("--platform");
    }
    if (!parser.parse(withoutQtOptions(arguments))) {
        line.error = parser.errorText();
        return line;
    }
    const bool helpAll = parser.isSet(QStringLiteral("help-all"));
    if (parser.isSet(options.help) || helpAll || parser.isSet(options.version)) {
        line.mode = parser.isSet(options.version) && !parser.isSet(options.help) && !helpAll
            ? CommandLine::Mode::Version
            : CommandLine::Mode::Help;
        // Parsed before the application object exists, the help text lacks the program's name.
        if (line.mode == CommandLine::Mode::Help)
            line.helpText = parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("velkview"));
        if (helpAll)
            line.helpText += qtOptionsHelp();
        return line;
    }
    // Each step runs only when the ones before found nothing wrong.
    for (const auto step : {readLanguage, readMode, readFileAndOwners, readModeOptions, readFollow}) {
        line.error = step(parser, options, line);
        if (!line.error.isEmpty())
            break;
    }
    return line;
}
