#include "app/command_line.h"
#include "doubles/test_files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// sizeLimit > 0 runs the viewer under that RLIMIT_FSIZE, as a full disk would stop it; the
// signal keeps its default action, as under a shell's ulimit. memoryLimit > 0 limits its
// address space (RLIMIT_AS), as a machine short of memory would. standardOutput, when given, is
// the file the viewer's standard output goes to.
Run runViewer(const QStringList &arguments, rlim_t sizeLimit = 0, rlim_t memoryLimit = 0,
              const QString &standardOutput = QString())
{
    QProcess process;
    if (!standardOutput.isEmpty())
        process.setStandardOutputFile(standardOutput);
    process.setChildProcessModifier([sizeLimit, memoryLimit] {
        if (sizeLimit > 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit limit{sizeLimit, sizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        if (memoryLimit > 0) {
            const rlimit limit{memoryLimit, memoryLimit};
            setrlimit(RLIMIT_AS, &limit);
        }
    });
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELKVIEW_BINARY), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}


} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void parsesModesAndOptions();
    void badUsage_data();
    void badUsage();
    void dumpIsParsedBack();
    void unreadableInputExitsOne_data();
    void unreadableInputExitsOne();
    void chartAndReportWriteFiles();
    void refusedOutputExitsThree_data();
    void refusedOutputExitsThree();
    void namesNotValidInTheLocaleAreRefused();
    void stoppedWriteLeavesNoTemporaryFile_data();
    void stoppedWriteLeavesNoTemporaryFile();
    void guiWithoutDisplaySaysSo();
    void qtOptionsAndHelpAllRunQuietly_data();
    void qtOptionsAndHelpAllRunQuietly();
    void csvReadsBackAsTheDump();
    void summaryHasARowPerMeasurement();
    void trendDrawsReadMeasurementsInDateOrder();
};

void TestCommandLine::parsesModesAndOptions()
{
    const CommandLine chart = parseCommandLine({QStringLiteral("velkview"), QStringLiteral("--chart"), QStringLiteral("o.svg"),
                                                QStringLiteral("--size"), QStringLiteral("800x600"), QStringLiteral("a_amp.txt")});
    QVERIFY(chart.error.isEmpty());
    QCOMPARE(chart.mode, CommandLine::Mode::Chart);
    QCOMPARE(chart.chartSize, QSize(800, 600));
    QCOMPARE(chart.outputPath, QStringLiteral("o.svg"));

    const CommandLine report = parseCommandLine({QStringLiteral("velkview"), QStringLiteral("--report"), QStringLiteral("r.pdf"),
                                                 QStringLiteral("--remark"), QStringLiteral("one"), QStringLiteral("--remark"),
                                                 QStringLiteral("two"), QStringLiteral("--language"), QStringLiteral("it"),
                                                 QStringLiteral("a_amp.txt")});
    QVERIFY(report.error.isEmpty());
    QCOMPARE(report.mode, CommandLine::Mode::Report);
    QCOMPARE(report.bearingType, QStringLiteral("ZEPH "));
    QCOMPARE(report.remarks, (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
    QCOMPARE(report.language, std::optional<int>(3));

    const CommandLine gui = parseCommandLine({QStringLiteral("velkview")});
    QCOMPARE(gui.mode, CommandLine::Mode::Gui);
    QVERIFY(gui.amplitudeFile.isEmpty());
    QVERIFY(!gui.follow);

    // A folder given with --follow is the one followed, not a file to open.
    const CommandLine follow = parseCommandLine({QStringLiteral("velkview"), QStringLiteral("--follow"), QStringLiteral("--settle"),
                                                 QStringLiteral("250"), QDir::tempPath()});
    QVERIFY(follow.error.isEmpty());
    QVERIFY(follow.follow);
    QCOMPARE(follow.followFolder, QDir::tempPath());
    QVERIFY(follow.amplitudeFile.isEmpty());
    QCOMPARE(follow.settleMs, 250);
}

void TestCommandLine::badUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus")};
    QTest::newRow("unknown language") << QStringList{QStringLiteral("--language"), QStringLiteral("nl")};
    QTest::newRow("dump without file") << QStringList{QStringLiteral("--dump")};
    QTest::newRow("two modes") << QStringList{QStringLiteral("--dump"), QStringLiteral("--report"), QStringLiteral("x.pdf"),
                                              QStringLiteral("a_amp.txt")};
    QTest::newRow("size without chart") << QStringList{QStringLiteral("--size"), QStringLiteral("10x10"), QStringLiteral("a")};
    QTest::newRow("bad size") << QStringList{QStringLiteral("--chart"), QStringLiteral("o.png"), QStringLiteral("--size"),
                                             QStringLiteral("10by10"), QStringLiteral("a")};
    QTest::newRow("chart of other type") << QStringList{QStringLiteral("--chart"), QStringLiteral("o.jpg"), QStringLiteral("a")};
    QTest::newRow("remark without report") << QStringList{QStringLiteral("--remark"), QStringLiteral("x"), QStringLiteral("a")};
    QTest::newRow("four remarks") << QStringList{QStringLiteral("--report"), QStringLiteral("r.pdf"), QStringLiteral("--remark"),
                                                 QStringLiteral("1"), QStringLiteral("--remark"), QStringLiteral("2"),
                                                 QStringLiteral("--remark"), QStringLiteral("3"), QStringLiteral("--remark"),
                                                 QStringLiteral("4"), QStringLiteral("a")};
    QTest::newRow("settle without follow") << QStringList{QStringLiteral("--settle"), QStringLiteral("10")};
    QTest::newRow("bad settle") << QStringList{QStringLiteral("--follow"), QStringLiteral("--settle"), QStringLiteral("1s")};
    QTest::newRow("follow with a batch mode") << QStringList{QStringLiteral("--follow"), QStringLiteral("--dump"), QStringLiteral("a")};
    QTest::newRow("two files") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("empty report name") << QStringList{QStringLiteral("--report"), QString(), QStringLiteral("a")};
    QTest::newRow("empty chart name") << QStringList{QStringLiteral("--chart="), QStringLiteral("a")};
    QTest::newRow("table without csv") << QStringList{QStringLiteral("--table"), QStringLiteral("reference"), QStringLiteral("a")};
    QTest::newRow("compare with report") << QStringList{QStringLiteral("--report"), QStringLiteral("r.pdf"), QStringLiteral("--compare"),
                                                        QStringLiteral("b"), QStringLiteral("a")};
    QTest::newRow("compare in the viewer without a file") << QStringList{QStringLiteral("--compare"), QStringLiteral("b")};
    QTest::newRow("partner wait without follow") << QStringList{QStringLiteral("--partner-wait"), QStringLiteral("10")};
    QTest::newRow("empty compare name") << QStringList{QStringLiteral("--dump"), QStringLiteral("--compare="), QStringLiteral("a")};
    QTest::newRow("summary of other type") << QStringList{QStringLiteral("--summary"), QStringLiteral("s.txt"), QStringLiteral("a")};
    QTest::newRow("summary without input") << QStringList{QStringLiteral("--summary"), QStringLiteral("s.csv")};
    QTest::newRow("trend of other type") << QStringList{QStringLiteral("--trend"), QStringLiteral("t.pdf"), QStringLiteral("a")};
    QTest::newRow("size with summary") << QStringList{QStringLiteral("--summary"), QStringLiteral("s.csv"), QStringLiteral("--size"),
                                                      QStringLiteral("10x10"), QStringLiteral("a")};
    QTest::newRow("unknown table") << QStringList{QStringLiteral("--csv"), QStringLiteral("o.csv"), QStringLiteral("--table"),
                                                  QStringLiteral("marks"), QStringLiteral("a")};
}

void TestCommandLine::badUsage()
{
    QFETCH(QStringList, arguments);
    QVERIFY(!parseCommandLine(QStringList{QStringLiteral("velkview")} + arguments).error.isEmpty());
    const Run run = runViewer(arguments);
    QCOMPARE(run.status, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.startsWith("velkview: "));
}

void TestCommandLine::dumpIsParsedBack()
{
    QTemporaryDir dir;
    const QString amp = writeTestFile(dir.filePath(QStringLiteral("d_amp.txt")),
                                  "1 12.5 80.2 81 0 0 5 6 7 8\r\n2 13 79.5 80\n");
    writeTestFile(dir.filePath(QStringLiteral("d_ref.txt")), "#1 90 0 0 0 0 150 -20 -80 30 deg\n");
    const Run run = runViewer({QStringLiteral("--dump"), amp});
    QCOMPARE(run.status, 0);
    QJsonParseError error{};
    const QJsonObject object = QJsonDocument::fromJson(run.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(object.value(QStringLiteral("ampFileTitle")).toString(), QStringLiteral("d_amp.txt"));
    QCOMPARE(object.value(QStringLiteral("refFileTitle")).toString(), QStringLiteral("d_ref.txt"));
    QCOMPARE(object.value(QStringLiteral("ampCount")).toInt(), 2);
    QCOMPARE(object.value(QStringLiteral("refCount")).toInt(), 1);
    const QJsonArray amplitude = object.value(QStringLiteral("ampSeries")).toArray();
    QCOMPARE(amplitude.size(), 3);
    QCOMPARE(amplitude[0].toArray().size(), 2);
    QCOMPARE(amplitude[0].toArray()[0].toDouble(), 12.5);
    QCOMPARE(amplitude[1].toArray()[1].toDouble(), 79.5);
    const QJsonArray reference = object.value(QStringLiteral("refSeries")).toArray();
    QCOMPARE(reference.size(), 5);
    // Angle, red marks, blue marks, red line, blue line.
    QCOMPARE(reference[0].toArray()[0].toDouble(), 90.0);
    QCOMPARE(reference[1].toArray()[0].toDouble(), 150.0);
    QCOMPARE(reference[2].toArray()[0].toDouble(), -80.0);
    QCOMPARE(reference[3].toArray()[0].toDouble(), -20.0);
    QCOMPARE(reference[4].toArray()[0].toDouble(), 30.0);

    // With --compare the same members come first, then "compare": the other one's object.
    const QString other = writeTestFile(dir.filePath(QStringLiteral("e_amp.txt")), "1 30 60 70\n");
    const Run both = runViewer({QStringLiteral("--dump"), QStringLiteral("--compare"), other, amp});
    QCOMPARE(both.status, 0);
    QVERIFY(both.out.startsWith(run.out.chopped(2) + ",\"compare\":{\"ampFileTitle\":\"e_amp.txt\""));
    const QJsonObject compared = QJsonDocument::fromJson(both.out, &error).object().value(QStringLiteral("compare")).toObject();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(compared.value(QStringLiteral("ampCount")).toInt(), 1);
    QCOMPARE(compared.value(QStringLiteral("refSeries")).toArray().size(), 5);
    const Run missing = runViewer({QStringLiteral("--dump"), QStringLiteral("--compare"), dir.filePath(QStringLiteral("n_amp.txt")), amp});
    QCOMPARE(missing.status, 1);
    QVERIFY(missing.out.isEmpty());
    QVERIFY(missing.err.contains("Error while opening file!\n" + QFile::encodeName(dir.filePath(QStringLiteral("n_amp.txt")))));
    // A refused file is named, whichever of the two it is.
    const QString letters = writeTestFile(dir.filePath(QStringLiteral("l_amp.txt")), "Angle\n");
    const Run refused = runViewer({QStringLiteral("--chart"), dir.filePath(QStringLiteral("c.png")),
                                   QStringLiteral("--compare"), letters, amp});
    QCOMPARE(refused.status, 1);
    QVERIFY2(refused.err.endsWith("opened.\n" + QFile::encodeName(letters) + '\n'), refused.err.constData());

    // Standard output that takes nothing: said, with exit 3.
    const Run full = runViewer({QStringLiteral("--dump"), amp}, 0, 0, QStringLiteral("/dev/full"));
    QCOMPARE(full.status, 3);
    QVERIFY2(full.err.contains("cannot write the measurement to standard output: No space left on device"),
             full.err.constData());
}

void TestCommandLine::unreadableInputExitsOne_data()
{
    QTest::addColumn<QString>("name");       // "/..." is used as it stands
    QTest::addColumn<QByteArray>("content"); // a file's bytes, or "dir", "fifo", "none"
    QTest::addColumn<QString>("language");
    // After "Error while opening file!\n" and the path when it starts with ": ".
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("letters, German") << "h_amp.txt" << QByteArray("Angle;Amp\n1 2 3\n") << "de"
                                     << QByteArray("Ung\xC3\xBCltiges Dateiformat !\n\nDatensatz konnte nicht ge\xC3\xB6""ffnet werden.");
    QTest::newRow("missing") << "none_amp.txt" << QByteArray("none") << "en"
                             << QByteArray(": No such file or directory");
    // The system's reason in the interface language too, whatever the user's locale.
    QTest::newRow("missing, German") << "none_amp.txt" << QByteArray("none") << "de"
                                     << QByteArray(": Datei oder Verzeichnis nicht gefunden");
    QTest::newRow("directory") << "dir_amp.txt" << QByteArray("dir") << "en" << QByteArray(": Is a directory");
    QTest::newRow("FIFO without writer") << "fifo_amp.txt" << QByteArray("fifo") << "en"
                                         << QByteArray(": Not a regular file");
    QTest::newRow("endless device") << "/dev/zero" << QByteArray("none") << "en" << QByteArray(": Not a regular file");
}

void TestCommandLine::unreadableInputExitsOne()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, language);
    QFETCH(QByteArray, message);
    QTemporaryDir dir;
    const QString path = name.startsWith(QLatin1Char('/')) ? name : dir.filePath(name);
    if (content == "dir")
        QVERIFY(QDir().mkdir(path));
    else if (content == "fifo")
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (content != "none")
        writeTestFile(path, content);
    for (const QStringList &mode : {QStringList{QStringLiteral("--dump")},
                                    QStringList{QStringLiteral("--chart"), dir.filePath(QStringLiteral("c.png"))},
                                    QStringList{QStringLiteral("--report"), dir.filePath(QStringLiteral("r.pdf"))}}) {
        const Run run = runViewer(mode + QStringList{QStringLiteral("--language"), language, path});
        QCOMPARE(run.status, 1);
        QVERIFY(run.out.isEmpty());
        const QByteArray opening = language == QLatin1String("de") ? QByteArray("Fehler beim \xC3\x96""ffnen !")
                                                                    : QByteArray("Error while opening file!");
        const QByteArray expected = message.startsWith(": ")
            ? opening + '\n' + QFile::encodeName(path) + message
            : message + '\n' + QFile::encodeName(path);
        QVERIFY2(run.err.contains(expected), run.err.constData());
    }
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("c.png"))));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("r.pdf"))));
}

void TestCommandLine::chartAndReportWriteFiles()
{
    QTemporaryDir dir;
    const QString amp = writeTestFile(dir.filePath(QStringLiteral("w_amp.txt")), "1 0 50 60\n2 90 55 65\n");
    const QString png = dir.filePath(QStringLiteral("c.png"));
    QCOMPARE(runViewer({QStringLiteral("--chart"), png, QStringLiteral("--size"), QStringLiteral("640x480"), amp}).status, 0);
    const QImage image(png);
    QCOMPARE(image.size(), QSize(640, 480));
    QCOMPARE(QColor(image.pixel(2, 2)), QColor(240, 240, 240));

    // The longest name a file system takes (255 bytes) is no reason to refuse.
    const QString svg = dir.filePath(QString(251, QLatin1Char('c')) + QStringLiteral(".svg"));
    QCOMPARE(runViewer({QStringLiteral("--chart"), svg, amp}).status, 0);
    QFile svgFile(svg);
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    QVERIFY(svgFile.readAll().contains("<svg"));

    const QString pdf = dir.filePath(QStringLiteral("r.pdf"));
    QCOMPARE(runViewer({QStringLiteral("--report"), pdf, QStringLiteral("--bearing-type"), QStringLiteral("6204-2RS"), amp}).status, 0);
    QFile pdfFile(pdf);
    QVERIFY(pdfFile.open(QIODevice::ReadOnly));
    QVERIFY(pdfFile.read(5) == "%PDF-");
}

void TestCommandLine::refusedOutputExitsThree_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("output");       // in the test folder
    QTest::addColumn<QString>("linkTarget");   // non-empty: output is a symbolic link to it
    QTest::addColumn<int>("sizeLimit");        // bytes the viewer may write to a file; 0: any;
                                               // < 0: -sizeLimit MB of address space
    QTest::addColumn<QByteArray>("reason");
    const QString none;
    // The largest image with about 1 GB of address space: too little for it, enough to start.
    QTest::newRow("no memory for the image") << "--chart" << "big.png" << none << -1000
                                             << QByteArray("not enough memory for 16384x16384\n");
    QTest::newRow("missing folder, png") << "--chart" << "no/dir/c.png" << none << 0 << QByteArray("No such file or directory");
    QTest::newRow("missing folder, pdf") << "--report" << "no/dir/r.pdf" << none << 0 << QByteArray("No such file or directory");
    QTest::newRow("a directory") << "--report" << "folder" << none << 0 << QByteArray("Is a directory");
    // The whole message in the interface language; %1 is the output.
    QTest::newRow("a directory, German") << "--language de --report" << "folder" << none << 0
                                         << QByteArray("%1 kann nicht geschrieben werden: Ist ein Verzeichnis");
    QTest::newRow("the amplitude file") << "--report" << "u_amp.txt" << none << 0 << QByteArray("it is the measurement");
    QTest::newRow("link to the reference file") << "--chart" << "ref.svg" << "u_ref.txt" << 0
                                                << QByteArray("it is the measurement");
    QTest::newRow("link to a device") << "--chart" << "full.svg" << "/dev/full" << 0 << QByteArray("Not a regular file");
    QTest::newRow("full disk, pdf") << "--report" << "r.pdf" << none << 4096 << QByteArray("File too large");
    QTest::newRow("full disk, png") << "--chart" << "c.png" << none << 4096 << QByteArray("File too large");
    QTest::newRow("full disk, svg") << "--chart" << "c.svg" << none << 4096 << QByteArray("File too large");
    QTest::newRow("csv over the reference file") << "--csv" << "u_ref.txt" << none << 0 << QByteArray("it is the measurement");
    QTest::newRow("full disk, csv") << "--csv" << "c.csv" << none << 1024 << QByteArray("File too large");
    QTest::newRow("summary over the reference file") << "--summary" << "s.csv" << "u_ref.txt" << 0
                                                     << QByteArray("it is the measurement");
    QTest::newRow("full disk, summary") << "--summary" << "s.json" << none << 512 << QByteArray("File too large");
    QTest::newRow("trend over the reference file") << "--trend" << "t.svg" << "u_ref.txt" << 0
                                                   << QByteArray("it is the measurement");
    QTest::newRow("full disk, trend") << "--trend" << "t.png" << none << 1024 << QByteArray("File too large");
}

void TestCommandLine::refusedOutputExitsThree()
{
    QFETCH(QString, option);
    QFETCH(QString, output);
    QFETCH(QString, linkTarget);
    QFETCH(int, sizeLimit);
    QFETCH(QByteArray, reason);
#if defined(__SANITIZE_ADDRESS__)
    if (sizeLimit < 0)
        QSKIP("the address sanitizer needs more address space than the limit gives");
#endif
    QTemporaryDir dir;
    const QByteArray ampBytes = QByteArray("1 0 50 60\n").repeated(200);
    const QString amp = writeTestFile(dir.filePath(QStringLiteral("u_amp.txt")), ampBytes);
    writeTestFile(dir.filePath(QStringLiteral("u_ref.txt")), "1 90\n");
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    const QString out = dir.filePath(output);
    if (!linkTarget.isEmpty())
        QVERIFY(QFile::link(linkTarget.startsWith(QLatin1Char('/')) ? linkTarget : dir.filePath(linkTarget), out));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);

    QStringList arguments = option.split(QLatin1Char(' ')) + QStringList{out, amp};
    if (sizeLimit < 0)
        arguments << QStringLiteral("--size") << QStringLiteral("16384x16384");
    const Run run = sizeLimit < 0 ? runViewer(arguments, 0, rlim_t(-sizeLimit) << 20)
                                  : runViewer(arguments, rlim_t(sizeLimit));
    QCOMPARE(run.status, 3);
    const QByteArray expected = reason.contains("%1") ? QByteArray(reason).replace("%1", out.toUtf8())
                                                      : "cannot write " + out.toUtf8() + ": " + reason;
    QVERIFY2(run.err.contains(expected), run.err.constData());
    // Nothing partial is left, and the measurement and any device are as they were.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), before);
    QFile ampFile(amp);
    QVERIFY(ampFile.open(QIODevice::ReadOnly));
    QCOMPARE(ampFile.readAll(), ampBytes);
    struct stat device {};
    QVERIFY(stat("/dev/full", &device) == 0 && S_ISCHR(device.st_mode));
}

// Names whose bytes are not UTF-8 are refused rather than read or written under another name.
void TestCommandLine::namesNotValidInTheLocaleAreRefused()
{
    QTemporaryDir dir;
    writeTestFile(dir.filePath(QStringLiteral("m_amp.txt")), "1 0 50 60\n");
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    // Only a shell can hand such bytes over; QProcess would encode the names as UTF-8.
    const struct {
        const char *command;
        int status;
        QByteArray message;
    } runs[] = {
        {"\"$0\" --report \"$(printf 'r\\376.pdf')\" m_amp.txt", 3, "cannot write r\xEF\xBF\xBD.pdf: the name cannot"},
        {"name=$(printf 'b\\377_amp.txt'); cp m_amp.txt \"$name\"; \"$0\" --dump \"$name\"; status=$?; rm \"$name\"; "
         "exit $status", 1,
         "b\xEF\xBF\xBD_amp.txt: the name cannot"},
    };
    for (const auto &run : runs) {
        QProcess shell;
        shell.setWorkingDirectory(dir.path());
        shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString::fromLatin1(run.command),
                                                QStringLiteral(VELKVIEW_BINARY)});
        QVERIFY(shell.waitForFinished(30000));
        QCOMPARE(shell.exitCode(), run.status);
        const QByteArray err = shell.readAllStandardError();
        QVERIFY2(err.contains(run.message), err.constData());
        QVERIFY(shell.readAllStandardOutput().isEmpty());
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), before);
}

void TestCommandLine::stoppedWriteLeavesNoTemporaryFile_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("TERM") << int(SIGTERM);
    QTest::newRow("INT") << int(SIGINT);
    QTest::newRow("HUP") << int(SIGHUP);
}

// The signal comes while the hidden temporary file exists: it goes, the old output stays whole.
void TestCommandLine::stoppedWriteLeavesNoTemporaryFile()
{
    QFETCH(int, signal);
    QTemporaryDir dir;
    const QString amp = writeTestFile(dir.filePath(QStringLiteral("s_amp.txt")), QByteArray("1 0 50 60\n2 90 55 65\n"));
    const QString out = writeTestFile(dir.filePath(QStringLiteral("s.pdf")), "old");
    const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QProcess process;
    process.start(QStringLiteral(VELKVIEW_BINARY), {QStringLiteral("--report"), out, amp});
    QVERIFY(process.waitForStarted());
    bool caught = false;
    for (int poll = 0; poll < 20000 && !caught && process.state() == QProcess::Running; ++poll) {
        if (QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size() > before.size()) {
            ::kill(pid_t(process.processId()), signal);
            caught = true;
        } else {
            usleep(100);
        }
    }
    QVERIFY(process.waitForFinished(30000));
    if (!caught)
        QSKIP("the write ended before the temporary file was seen");
    QCOMPARE(process.exitStatus(), QProcess::CrashExit);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), before);
    QFile old(out);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old"));
}

void TestCommandLine::guiWithoutDisplaySaysSo()
{
    const Run run = runViewer({});
    QCOMPARE(run.status, 1);
    QVERIFY(run.err.contains("display"));
}

void TestCommandLine::qtOptionsAndHelpAllRunQuietly_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("output");   // what stdout starts with
    const QString amp = QStringLiteral(VELKVIEW_SOURCE_DIR "/examples/demo_amp.txt");
    QTest::newRow("--help-all") << QStringList{QStringLiteral("--help-all")} << QByteArray("Usage: velkview");
    QTest::newRow("-style NAME -reverse") << QStringList{QStringLiteral("-style"), QStringLiteral("fusion"),
                                                         QStringLiteral("-reverse"), QStringLiteral("--dump"), amp}
                                          << QByteArray("{\"ampFileTitle\"");
    QTest::newRow("-style=NAME, --version") << QStringList{QStringLiteral("-style=fusion"), QStringLiteral("--version")}
                                            << QByteArray("velkview ");
    QTest::newRow("-platform offscreen, --chart") << QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen"),
                                                                 QStringLiteral("--chart"), QStringLiteral("-"), amp}
                                                  << QByteArray();
}

// Qt's own options pass, --help-all needs no display, and no runtime-directory or platform
// notice reaches stderr.
void TestCommandLine::qtOptionsAndHelpAllRunQuietly()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, output);
    QTemporaryDir dir;
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^-$")), dir.filePath(QStringLiteral("c.png")));
    const Run run = runViewer(arguments);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.startsWith(output));
    if (arguments.contains(QStringLiteral("--help-all")))
        QVERIFY(run.out.contains("-style") && run.out.contains("--report"));
}

// A spreadsheet's view: Python's csv module reads both tables, and every number equals the
// one --dump gives; the records end in CR LF.
void TestCommandLine::csvReadsBackAsTheDump()
{
    QTemporaryDir dir;
    const QString amp = writeTestFile(dir.filePath(QStringLiteral("v_amp.txt")),
                                      "1 12.5 80.2 81 0 0 5 6 7 8\r\n2 13 79.5 -0.0\n3 359.75 0.1 -2.5\n");
    writeTestFile(dir.filePath(QStringLiteral("v_ref.txt")), "1 90 0 0 0 0 150 -20 -80 30\n2 180.5 0 0 0 0 0 1 0 -1\n");
    const QString json = dir.filePath(QStringLiteral("dump.json"));
    QCOMPARE(runViewer({QStringLiteral("--dump"), amp}, 0, 0, json).status, 0);
    const QString script = QStringLiteral(
        "import csv, json, sys\n"
        "dump = json.load(open(sys.argv[1]))\n"
        "for path, key, names in ((sys.argv[2], 'ampSeries', ['line', 'angle', 'curve1', 'curve2']),\n"
        "                         (sys.argv[3], 'refSeries', ['line', 'angle', 'red_mark', 'blue_mark', 'red_line', 'blue_line'])):\n"
        "    raw = open(path, 'rb').read()\n"
        "    assert raw.count(b'\\r\\n') == raw.count(b'\\n'), path\n"
        "    rows = list(csv.reader(open(path, newline='', encoding='utf-8')))\n"
        "    assert rows[0] == names, rows[0]\n"
        "    columns = list(zip(*rows[1:]))\n"
        "    assert len(columns) == len(names) and len(rows) - 1 == len(dump[key][0]), path\n"
        "    for series, column in zip(dump[key], columns[1:]):\n"
        "        assert [float(cell) for cell in column] == series, (series, column)\n"
        "print('same')\n");
    QStringList outputs;
    for (const QString &table : {QStringLiteral("amplitude"), QStringLiteral("reference")}) {
        outputs << dir.filePath(table + QStringLiteral(".csv"));
        QCOMPARE(runViewer({QStringLiteral("--csv"), outputs.last(), QStringLiteral("--table"), table, amp}).status, 0);
    }
    QProcess python;
    python.start(QStringLiteral("python3"), QStringList{QStringLiteral("-c"), script, json} + outputs);
    QVERIFY(python.waitForFinished(30000));
    QVERIFY2(python.readAllStandardOutput() == "same\n", python.readAllStandardError().constData());
}

// A folder and files given: a row each, in order, a refused file's row with its reason and exit
// 1; the JSON holds the same figures with the excursions' ranges.
void TestCommandLine::summaryHasARowPerMeasurement()
{
    QTemporaryDir dir;
    const QString within = writeTestFile(dir.filePath(QStringLiteral("lot/a_amp.txt")), "1 0 50 60\n2 90 55 65\n");
    const QString outside = writeTestFile(dir.filePath(QStringLiteral("lot/b_amp.txt")), "1 0 95 50\n2 1 80 50\n");
    writeTestFile(dir.filePath(QStringLiteral("lot/b_ref.txt")), "1 90 0 0 0 0 150 -20 -80 30\n");
    const QString letters = writeTestFile(dir.filePath(QStringLiteral("lot/c_amp.txt")), "Angle\n");
    writeTestFile(dir.filePath(QStringLiteral("lot/notes.txt")), "not a measurement\n");
    const QString csv = dir.filePath(QStringLiteral("s.csv"));
    const Run run = runViewer({QStringLiteral("--summary"), csv, dir.filePath(QStringLiteral("lot"))});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(QFile::encodeName(letters) + ": invalid file format\n"), run.err.constData());
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = file.readAll().split('\n');
    QCOMPARE(rows.size(), 5);   // header, three rows, nothing after the last CR LF
    const QList<QByteArray> header = rows[0].trimmed().split(',');
    const auto cell = [&](int row, const char *name) { return rows[row].trimmed().split(',').value(header.indexOf(name)); };
    QCOMPARE(cell(1, "file"), QFile::encodeName(within));
    QCOMPARE(cell(1, "within_limits"), QByteArray("yes"));
    QCOMPARE(cell(1, "curve2_max_angle"), QByteArray("90"));
    QCOMPARE(cell(2, "ref_file"), QByteArray("b_ref.txt"));
    QCOMPARE(cell(2, "within_limits"), QByteArray("no"));
    QCOMPARE(cell(2, "curve1_excursions"), QByteArray("1"));
    QCOMPARE(cell(2, "red_mark_max"), QByteArray("150"));
    QCOMPARE(cell(3, "status"), QByteArray("invalid file format"));
    QCOMPARE(cell(3, "curve1_min"), QByteArray());
    QCOMPARE(rows[3].count(','), rows[0].count(','));

    const QString json = dir.filePath(QStringLiteral("s.json"));
    QCOMPARE(runViewer({QStringLiteral("--summary"), json, outside, within}).status, 0);
    QFile jsonFile(json);
    QVERIFY(jsonFile.open(QIODevice::ReadOnly));
    const QJsonArray objects = QJsonDocument::fromJson(jsonFile.readAll()).array();
    QCOMPARE(objects.size(), 2);
    const QJsonObject first = objects[0].toObject();
    QCOMPARE(first.value(QStringLiteral("withinLimits")).toBool(), false);
    QCOMPARE(first.value(QStringLiteral("status")).toString(), QStringLiteral("read"));
    const QJsonObject range = first.value(QStringLiteral("curve1")).toObject().value(QStringLiteral("ranges"))[0].toObject();
    QCOMPARE(range.value(QStringLiteral("start")).toDouble(), 0.0);
    QCOMPARE(range.value(QStringLiteral("end")).toDouble(), 1.0 / 3);
    QCOMPARE(objects[1].toObject().value(QStringLiteral("withinLimits")).toBool(), true);
}

// Columns in file-date order, not name order, named in the title; a refused file has none, is
// named on stderr and makes the status 1; the picture has the size asked for.
void TestCommandLine::trendDrawsReadMeasurementsInDateOrder()
{
    QTemporaryDir dir;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const struct {
        const char *name;
        QByteArray bytes;
        int ageSeconds;
    } files[] = {{"a_amp.txt", "1 0 50 60\n", 100}, {"b_amp.txt", "1 0 95 50\n", 300}, {"c_amp.txt", "Angle\n", 200}};
    for (const auto &file : files) {
        QFile written(writeTestFile(dir.filePath(QStringLiteral("lot/") + QLatin1String(file.name)), file.bytes));
        QVERIFY(written.open(QIODevice::ReadWrite));
        QVERIFY(written.setFileTime(now.addSecs(-file.ageSeconds), QFileDevice::FileModificationTime));
    }
    const QString svg = dir.filePath(QStringLiteral("t.svg"));
    const Run run = runViewer({QStringLiteral("--trend"), svg, dir.filePath(QStringLiteral("lot"))});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(QFile::encodeName(dir.filePath(QStringLiteral("lot/c_amp.txt"))) + ": invalid file format\n"),
             run.err.constData());
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("b_amp.txt \u2026 a_amp.txt (2)"));

    const QString png = dir.filePath(QStringLiteral("t.png"));
    QCOMPARE(runViewer({QStringLiteral("--trend"), png, QStringLiteral("--size"), QStringLiteral("400x300"),
                        dir.filePath(QStringLiteral("lot/a_amp.txt"))}).status, 0);
    QCOMPARE(QImage(png).size(), QSize(400, 300));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
