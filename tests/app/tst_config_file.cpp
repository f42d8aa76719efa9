#include "app/config_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The unprivileged user that root's tests write as.
constexpr uid_t nobodyId = 65534;

} // namespace

class TestConfigFile : public QObject {
    Q_OBJECT

private slots:
    void locationForDirectory_data();
    void locationForDirectory();
    void firstLineIsTaken_data();
    void firstLineIsTaken();
    void missingFileGivesPattern();
    void firstStartWritesPatternWithoutLineEnd();
    void failedWriteLeavesOldFile_data();
    void failedWriteLeavesOldFile();
    void followsLinksOnlyToRegularFiles_data();
    void followsLinksOnlyToRegularFiles();
    void tooLongDirectoryIsNotUsed();

private:
    QString writeConfig(const QTemporaryDir &dir, const QByteArray &content);
};

QString TestConfigFile::writeConfig(const QTemporaryDir &dir, const QByteArray &content)
{
    const QString path = dir.filePath(QStringLiteral("VELKView.cfg"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(content);
    return path;
}

void TestConfigFile::locationForDirectory_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("configPath");
    QTest::addColumn<QString>("patternPath");
    QTest::newRow("ordinary") << QStringLiteral("/home/qa/runs") << QStringLiteral("/home/qa/runs/VELKView.cfg")
                              << QStringLiteral("/home/qa/runs/*_amp.txt");
    QTest::newRow("root has no second slash") << QStringLiteral("/") << QStringLiteral("/VELKView.cfg")
                                              << QStringLiteral("/*_amp.txt");
    QTest::newRow("non-ASCII") << QString::fromUtf8("/data/Prüfung") << QString::fromUtf8("/data/Prüfung/VELKView.cfg")
                               << QString::fromUtf8("/data/Prüfung/*_amp.txt");
}

void TestConfigFile::locationForDirectory()
{
    QFETCH(QString, directory);
    QFETCH(QString, configPath);
    QFETCH(QString, patternPath);
    const ConfigLocation location = configLocation(directory);
    QCOMPARE(location.configPath, configPath);
    QCOMPARE(location.patternPath, patternPath);
}

void TestConfigFile::firstLineIsTaken_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");   // empty: the pattern path
    QTest::newRow("one line, no end") << QByteArray("/m/a_amp.txt") << QStringLiteral("/m/a_amp.txt");
    QTest::newRow("CR LF and several lines") << QByteArray("/m/a_amp.txt\r\n/m/b_amp.txt\r\n") << QStringLiteral("/m/a_amp.txt");
    QTest::newRow("LF ends") << QByteArray("/m/a b_amp.txt\nrest") << QStringLiteral("/m/a b_amp.txt");
    QTest::newRow("lone CR ends") << QByteArray("/m/x_amp.txt\rrest") << QStringLiteral("/m/x_amp.txt");
    QTest::newRow("NUL ends") << QByteArray("/m/y_amp.txt\0rest", 17) << QStringLiteral("/m/y_amp.txt");
    QTest::newRow("empty first line") << QByteArray("\n/m/later_amp.txt") << QString();
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("UTF-8 path") << QByteArray("/m/Pr\xC3\xBC""fung 3_amp.txt") << QString::fromUtf8("/m/Prüfung 3_amp.txt");
    QTest::newRow("cut to 511") << QByteArray(600, 'a') << QString(511, QLatin1Char('a'));
    QTest::newRow("cut before a surrogate pair") << QByteArray(510, 'a') + "\xF0\x9F\x98\x80"
                                                 << QString(510, QLatin1Char('a'));
    QTest::newRow("first line of 100 000") << QByteArray(100'000, 'b') + "\nc" << QString(511, QLatin1Char('b'));
    QTest::newRow("binary") << QByteArray("\xff\xfe\x01/x\x00\n", 7) << QString::fromUtf8("\xff\xfe\x01/x");
}

void TestConfigFile::firstLineIsTaken()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(!writeConfig(dir, content).isEmpty());
    const ConfigLocation location = configLocation(dir.path());
    QCOMPARE(loadConfig(location), expected.isEmpty() ? location.patternPath : expected);
}

void TestConfigFile::missingFileGivesPattern()
{
    QTemporaryDir dir;
    const ConfigLocation location = configLocation(dir.path());
    QCOMPARE(loadConfig(location), dir.path() + QStringLiteral("/*_amp.txt"));
}

void TestConfigFile::firstStartWritesPatternWithoutLineEnd()
{
    QTemporaryDir dir;
    const ConfigLocation location = configLocation(dir.path());
    QVERIFY(saveConfig(location, loadConfig(location)));
    QFile file(location.configPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), (dir.path() + QStringLiteral("/*_amp.txt")).toUtf8());
}

void TestConfigFile::failedWriteLeavesOldFile_data()
{
    QTest::addColumn<bool>("readOnlyFolder");   // no temporary file can be made: written in place
    QTest::newRow("beside the file") << false;
    QTest::newRow("in place") << true;
}

void TestConfigFile::failedWriteLeavesOldFile()
{
    QFETCH(bool, readOnlyFolder);
    QTemporaryDir dir;
    const QByteArray old("/m/old_amp.txt");
    const QString path = writeConfig(dir, old);
    QVERIFY(!path.isEmpty());
    const ConfigLocation location = configLocation(dir.path());
    // Root ignores permissions, so there the folder's writer is nobody, who owns only the file.
    const bool asNobody = readOnlyFolder && geteuid() == 0;
    if (readOnlyFolder)
        QCOMPARE(chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    if (asNobody)
        QCOMPARE(chown(QFile::encodeName(path).constData(), nobodyId, nobodyId), 0);

    // A file-size limit makes the write fail, as a full disk would; the child keeps it away
    // from the test.
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit tiny{8, 8};
        if (setrlimit(RLIMIT_FSIZE, &tiny) != 0 || (asNobody && (setgid(nobodyId) != 0 || setuid(nobodyId) != 0)))
            _exit(2);
        _exit(saveConfig(location, QStringLiteral("/m/a/much/longer/path/than/eight/bytes_amp.txt")) ? 0 : 1);
    }
    int status = -1;
    QCOMPARE(waitpid(child, &status, 0), child);
    chmod(QFile::encodeName(dir.path()).constData(), 0755);
    QCOMPARE(WEXITSTATUS(status), 1);
    QFile file(location.configPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("VELKView.cfg")});
}

void TestConfigFile::followsLinksOnlyToRegularFiles_data()
{
    QTest::addColumn<QString>("kind");   // what VELKView.cfg is
    QTest::addColumn<bool>("saved");
    QTest::newRow("link to a regular file") << "link to file" << true;
    QTest::newRow("FIFO") << "fifo" << false;
    QTest::newRow("link to a FIFO") << "link to fifo" << false;
    QTest::newRow("link to a directory") << "link to dir" << false;
    QTest::newRow("dangling link") << "dangling" << false;
    // Planted in a folder others can write to: neither followed nor replaced.
    QTest::newRow("another user's link") << "link to file, link of nobody" << false;
    QTest::newRow("own link to another user's file") << "link to file, target of nobody" << false;
}

void TestConfigFile::followsLinksOnlyToRegularFiles()
{
    QFETCH(QString, kind);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("VELKView.cfg"));
    const QString target = dir.filePath(QStringLiteral("target"));
    const QByteArray oldContents("/old_amp.txt\nsecond line");
    if (kind.startsWith(QLatin1String("link to file"))) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(oldContents) > 0);
    } else if (kind.endsWith(QLatin1String("fifo"))) {
        QCOMPARE(mkfifo(QFile::encodeName(kind == QLatin1String("fifo") ? config : target).constData(), 0600), 0);
    } else if (kind == QLatin1String("link to dir")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("target")));
    }
    if (kind != QLatin1String("fifo"))
        QVERIFY(QFile::link(target, config));
    if (kind.contains(QLatin1String("of nobody"))) {
        if (geteuid() != 0)
            QSKIP("giving a file to another user needs root");
        const bool link = kind.endsWith(QLatin1String("link of nobody"));
        QCOMPARE(lchown(QFile::encodeName(link ? config : target).constData(), nobodyId, nobodyId), 0);
    }
    struct stat before {};
    stat(QFile::encodeName(config).constData(), &before);

    const ConfigLocation location = configLocation(dir.path());
    // A FIFO is never opened, so neither the load nor the save can block.
    QCOMPARE(loadConfig(location), saved ? QStringLiteral("/old_amp.txt") : location.patternPath);
    QCOMPARE(saveConfig(location, QStringLiteral("/new_amp.txt")), saved);
    struct stat after {};
    stat(QFile::encodeName(config).constData(), &after);
    QCOMPARE(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
    QCOMPARE(QFileInfo(config).isSymLink(), kind != QLatin1String("fifo"));
    QFile written(target);
    if (kind.startsWith(QLatin1String("link to file"))) {
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), saved ? QByteArray("/new_amp.txt") : oldContents);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).size(),
             kind == QLatin1String("fifo") || kind == QLatin1String("dangling") ? 1 : 2);
}

void TestConfigFile::tooLongDirectoryIsNotUsed()
{
    const QString longDirectory = QStringLiteral("/") + QString(489, QLatin1Char('d'));
    const ConfigLocation location = configLocation(longDirectory);
    QVERIFY(location.configPath.isEmpty());
    QCOMPARE(loadConfig(location), QStringLiteral("*_amp.txt"));
    QVERIFY(!saveConfig(location, QStringLiteral("/x_amp.txt")));
    QCOMPARE(configLocation(QString(489, QLatin1Char('d'))).configPath.isEmpty(), false);
}

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_config_file.moc"
