#include "app/batch_modes.h"
#include "app/main_window.h"
#include "app/process_platform.h"
#include "app/command_line.h"
#include "app/summary_mode.h"
#include "app/trend_mode.h"
#include "app/termination_signals.h"
#include "app/version.h"
#include "app/window_icon.h"
#include "data/output_file.h"
#include "lang/language.h"
#include "ui/modal_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QApplication>
#include <QFile>
#include <QIcon>

#include <cstdio>

namespace {

bool hasDisplay(const CommandLine &line)
{
    return line.platformGiven || displayAvailable();
}

void printTo(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

int runGui(QApplication &app, const CommandLine &line)
{
    QtModalDialogs dialogs;
    MainWindow mainWindow(dialogs, line.language);
    // The main window is the program: closed, it ends it, whatever other window is still up.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&mainWindow, &QDialog::finished, &app, &QCoreApplication::quit);
    // Asked to end by the system, the program ends as Exit ends it: the windows close at once,
    // whatever a read or a check is waiting for.
    quitOnTerminationSignals([&mainWindow] { mainWindow.accept(); });
    // With a measurement given, the results window comes up first and the main window behind
    // it, so neither shows a frame without its picture.
    if (!line.amplitudeFile.isEmpty()) {
        mainWindow.openAtStart(line.amplitudeFile);
        if (!line.compareFile.isEmpty())
            mainWindow.session().compareWith(line.compareFile);
    } else {
        mainWindow.show();
    }
    if (line.follow) {
        // Without a folder or file named, the last file's folder.
        QString folder = line.followFolder;
        if (folder.isEmpty())
            folder = mainWindow.lastFilePath().isEmpty() ? QDir::currentPath() : QFileInfo(mainWindow.lastFilePath()).absolutePath();
        mainWindow.followFolder(folder, line.settleMs, line.partnerWaitMs);
    }
    return app.exec();
}

// Without a session (a server, a batch run, the offscreen platform) Qt falls back to a runtime
// directory of its own and says so on every run, and the offscreen platform notes what it
// cannot do; neither is the user's concern.
void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg
        && (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))
            || message.startsWith(QLatin1String("This plugin does not support"))))
        return;
    const QByteArray text = qFormatLogMessage(type, context, message).toLocal8Bit();
    std::fprintf(stderr, "%s\n", text.constData());
}

// A batch mode refuses names it cannot use as given: exit 1 for the measurement, 3 for the
// output, as for any file that cannot be opened or written.
int refusedName(const CommandLine &line, int argc, char **argv)
{
    const QString reason = QStringLiteral("the name cannot be shown in this locale");
    for (const QString &input : {line.amplitudeFile, line.compareFile}) {
        if (!input.isEmpty() && !argumentKeepsItsName(input, argc, argv)) {
            printTo(stderr, QStringLiteral("%1\n%2: %3\n").arg(QCoreApplication::translate("BatchModes", "Error while opening file!"), input, reason));
            return 1;
        }
    }
    if (!line.outputPath.isEmpty() && !argumentKeepsItsName(line.outputPath, argc, argv)) {
        printTo(stderr, QStringLiteral("cannot write %1: %2\n").arg(line.outputPath, reason));
        return 3;
    }
    return 0;
}

// --dump, --chart, --report and --csv, without a display.
int runBatch(const CommandLine &line, int argc, char **argv)
{
    if (const int refused = refusedName(line, argc, argv))
        return refused;
    if (line.mode == CommandLine::Mode::Summary) {
        QCoreApplication app(argc, argv);
        fixNumericLocale();
        return runSummary(line);
    }
    if (line.mode == CommandLine::Mode::Dump || line.mode == CommandLine::Mode::Csv) {
        QCoreApplication app(argc, argv);
        fixNumericLocale();
        return line.mode == CommandLine::Mode::Dump ? runDump(line) : runCsv(line);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareOffscreenFonts();
    QApplication app(argc, argv);
    fixNumericLocale();
    if (line.mode == CommandLine::Mode::Trend)
        return runTrend(line);
    return line.mode == CommandLine::Mode::Chart ? runChart(line) : runReport(line);
}

} // namespace

int main(int argc, char **argv)
{
    setUpProcess();
    // Stopped in the middle of a write, the program removes the hidden temporary file first.
    removePendingOutputOnSignals();
    qInstallMessageHandler(quietMessages);
    QCoreApplication::setApplicationName(QStringLiteral("velkview"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(velkviewVersion));

    // The arguments decide the platform, so they are parsed before any application object.
    const CommandLine line = parseCommandLine(processArguments(argc, argv));
    if (!line.error.isEmpty()) {
        printTo(stderr, QStringLiteral("velkview: %1\nTry 'velkview --help' for more information.\n").arg(line.error));
        return 2;
    }
    switch (line.mode) {
    case CommandLine::Mode::Help:
        printTo(stdout, line.helpText);
        return 0;
    case CommandLine::Mode::Version:
        printTo(stdout, QStringLiteral("velkview %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    case CommandLine::Mode::Dump:
    case CommandLine::Mode::Chart:
    case CommandLine::Mode::Report:
    case CommandLine::Mode::Csv:
    case CommandLine::Mode::Summary:
    case CommandLine::Mode::Trend:
        return runBatch(line, argc, argv);
    case CommandLine::Mode::Gui:
        break;
    }
    if (!hasDisplay(line)) {
        std::fputs("velkview: a display is needed to show the viewer (no DISPLAY or WAYLAND_DISPLAY set).\n"
                   "Use --report OUT.pdf or --chart OUT.png to work without one; see --help.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    // The application object has just set the whole C locale from the environment.
    fixNumericLocale();
    // The desktop entry's name lets Wayland and the task bar match our windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELKVIEW_APP_ID));
    // One icon for every window.
    QApplication::setWindowIcon(programIcon());
    return runGui(app, line);
}
