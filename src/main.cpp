#include "app/batch_modes.h"
#include "app/main_window.h"
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

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>

namespace {

bool hasDisplay(const CommandLine &line)
{
    if (line.platformGiven)
        return true;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // X11 and Wayland need a server to talk to; without one Qt would abort.
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
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

QStringList argumentList(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Whether a name taken from the command line still holds the bytes that were given: a name
// that is not valid in the locale's encoding comes back with replacement characters, and
// reading or writing under it would use another file.
bool keepsItsBytes(const QString &name, int argc, char **argv)
{
    const QByteArray encoded = QFile::encodeName(name);
    for (int i = 1; i < argc; ++i) {
        if (QByteArray::fromRawData(argv[i], qsizetype(std::strlen(argv[i]))).contains(encoded))
            return true;
    }
    return false;
}

// A batch mode refuses names it cannot use as given: exit 1 for the measurement, 3 for the
// output, as for any file that cannot be opened or written.
int refusedName(const CommandLine &line, int argc, char **argv)
{
    const QString reason = QStringLiteral("the name cannot be shown in this locale");
    for (const QString &input : {line.amplitudeFile, line.compareFile}) {
        if (!input.isEmpty() && !keepsItsBytes(input, argc, argv)) {
            printTo(stderr, QStringLiteral("%1\n%2: %3\n").arg(QCoreApplication::translate("BatchModes", "Error while opening file!"), input, reason));
            return 1;
        }
    }
    if (!line.outputPath.isEmpty() && !keepsItsBytes(line.outputPath, argc, argv)) {
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
    QApplication app(argc, argv);
    fixNumericLocale();
    if (line.mode == CommandLine::Mode::Trend)
        return runTrend(line);
    return line.mode == CommandLine::Mode::Chart ? runChart(line) : runReport(line);
}

// Started with a standard stream closed, the next file opened would take its descriptor, and
// --dump would write into a measurement or an output. A closed stream is held by /dev/null,
// read-only, so writes to it fail and are reported instead.
void keepStandardStreamsApart()
{
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) < 0 && errno == EBADF)
            ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    }
}

} // namespace

int main(int argc, char **argv)
{
    keepStandardStreamsApart();
#ifdef SIGXFSZ
    // Past a file-size limit a write must fail (EFBIG), so that the output writer removes its
    // temporary file and reports; the signal's default action would end the process and
    // leave that half-written file behind.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // Stopped in the middle of a write, the program removes the hidden temporary file first.
    removePendingOutputOnSignals();
    qInstallMessageHandler(quietMessages);
    QCoreApplication::setApplicationName(QStringLiteral("velkview"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(velkviewVersion));

    // The arguments decide the platform, so they are parsed before any application object.
    const CommandLine line = parseCommandLine(argumentList(argc, argv));
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
