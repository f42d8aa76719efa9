#include "doubles/failing_device.h"
#include "data/measurement_reader.h"
#include "data/file_name_case.h"
#include "data/ref_path.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/stat.h>

namespace {

// A value no file supplies: stale data from an earlier read, which a read must clear.
constexpr double untouched = -4242.0;

std::unique_ptr<MeasurementSet> filledSet()
{
    auto data = std::make_unique<MeasurementSet>();
    for (auto &series : data->ampSeries)
        std::fill(std::begin(series), std::end(series), untouched);
    for (auto &series : data->refSeries)
        std::fill(std::begin(series), std::end(series), untouched);
    return data;
}

ReadOutcome readAmplitudeBytes(const QByteArray &bytes, MeasurementSet &data)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readAmplitudeLines(buffer, data);
}

ReadOutcome readReferenceBytes(const QByteArray &bytes, MeasurementSet &data)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readReferenceLines(buffer, data);
}

// Sample 0 as a list: ampSeries[0..2] then refSeries[0..4].
QList<double> firstEntry(const MeasurementSet &data)
{
    return {data.ampSeries[0][0], data.ampSeries[1][0], data.ampSeries[2][0],
            data.refSeries[0][0], data.refSeries[1][0], data.refSeries[2][0],
            data.refSeries[3][0], data.refSeries[4][0]};
}

QByteArray numberedLines(int count)
{
    QByteArray bytes;
    for (int line = 0; line < count; ++line)
        bytes += QByteArray::number(line) + ' ' + QByteArray::number(line) + ".5 50 60 0 0 "
                 + QByteArray::number(line) + " 1 2 3\n";
    return bytes;
}


} // namespace

class TestMeasurementReader : public QObject {
    Q_OBJECT

private slots:
    void init();

    void storesAmplitudeColumns_data();
    void storesAmplitudeColumns();
    void refusesAmplitudeFileWithLetters_data();
    void refusesAmplitudeFileWithLetters();
    void acceptsAmplitudeCharactersOutsideTheRange_data();
    void acceptsAmplitudeCharactersOutsideTheRange();
    void countsEveryAmplitudeLine_data();
    void countsEveryAmplitudeLine();
    void cutsLongNumberAtPieceLimit();
    void capsCountsAndReusesLastSlot();
    void storesReferenceColumns_data();
    void storesReferenceColumns();
    void countsEveryReferenceLineAndCapsAt511();
    void leavesAmplitudePartAloneWhenReadingReference();
    void zeroesCountsOnReadError();
    void clearsStaleValuesBetweenReads();

    void readsAmplitudeAndReferenceFiles();
    void keepsAmplitudeEntriesWithoutReferenceFile_data();
    void keepsAmplitudeEntriesWithoutReferenceFile();
    void emptyReferenceFileDiscardsEntries();
    void refusedFileStillRecordsTitleAndStatus();
    void changesNothingWhenAmplitudeFileCannotBeOpened_data();
    void changesNothingWhenAmplitudeFileCannotBeOpened();
    void readsEmptyAmplitudeFile();
    void recordsAmplitudeFileStatus();
    void capitalSuffixGetsNoReferenceFile();
    void readsNonAsciiFileNames();
    void streamsLargeFileWithCountsCapped();
    void readsExamplePair();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> directory;
};

void TestMeasurementReader::init()
{
    directory = std::make_unique<QTemporaryDir>();
    QVERIFY(directory->isValid());
    // Files that are no regular files: reading them would block or never end. Windows has
    // neither FIFOs nor links a test can make; its rows take a device name instead.
#ifndef Q_OS_WIN
    QCOMPARE(mkfifo(QFile::encodeName(directory->filePath(QStringLiteral("fifo_ref.txt"))).constData(), 0600), 0);
    QVERIFY(QFile::link(directory->filePath(QStringLiteral("gone.txt")),
                        directory->filePath(QStringLiteral("dangling_ref.txt"))));
#endif
}

QString TestMeasurementReader::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = directory->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestMeasurementReader::storesAmplitudeColumns_data()
{
    QTest::addColumn<QByteArray>("line");
    // ampSeries[0], [1], [2], refSeries[0], [1] (col 7), [2] (col 9), [3] (col 8), [4] (col 10)
    QTest::addColumn<QList<double>>("entry");
    const double u = 0;   // no line supplied the slot, so it holds the cleared value

    QTest::newRow("four numbers: first column dropped, marks kept")
        << QByteArray("12 45.5 80.2 81.0\n") << QList<double>{45.5, 80.2, 81.0, 45.5, u, u, u, u};
    QTest::newRow("ten numbers: columns 8 and 9 cross over")
        << QByteArray("1 2 3 4 5 6 7 8 9 10\n") << QList<double>{2, 3, 4, 2, 7, 9, 8, 10};
    QTest::newRow("eleventh number ignored")
        << QByteArray("1 2 3 4 5 6 7 8 9 10 11\n") << QList<double>{2, 3, 4, 2, 7, 9, 8, 10};
    QTest::newRow("seven numbers fill the red marks only")
        << QByteArray("1 2 3 4 5 6 7\n") << QList<double>{2, 3, 4, 2, 7, u, u, u};
    QTest::newRow("decimal comma reads as two numbers")
        << QByteArray("1 45,5\n") << QList<double>{45, 5, u, 45, u, u, u, u};
    QTest::newRow("one number stores nothing")
        << QByteArray("1\n") << QList<double>{u, u, u, u, u, u, u, u};
    QTest::newRow("empty line keeps every slot")
        << QByteArray("\n") << QList<double>{u, u, u, u, u, u, u, u};
    QTest::newRow("lone minus stops the line")
        << QByteArray("1 20 - 40\n") << QList<double>{20, u, u, 20, u, u, u, u};
    QTest::newRow("semicolons, tabs and CR LF")
        << QByteArray("1;20\t30;40\r\n") << QList<double>{20, 30, 40, 20, u, u, u, u};
    QTest::newRow("NUL separates")
        << QByteArray("1\000020\00030 40\n", 12) << QList<double>{20, 30, 40, 20, u, u, u, u};
    QTest::newRow("plus signs and high bytes separate")
        << QByteArray("1 +20\xb0+30%40\n") << QList<double>{20, 30, 40, 20, u, u, u, u};
}

void TestMeasurementReader::storesAmplitudeColumns()
{
    QFETCH(QByteArray, line);
    QFETCH(QList<double>, entry);
    auto data = filledSet();
    QCOMPARE(readAmplitudeBytes(line, *data), ReadOutcome::Read);
    QCOMPARE(data->ampCount, 1);
    QCOMPARE(data->refCount, 1);
    QCOMPARE(firstEntry(*data), entry);
}

void TestMeasurementReader::refusesAmplitudeFileWithLetters_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("column titles") << QByteArray("No Angle Amp1 Amp2\n1 2 3 4\n");
    QTest::newRow("exponent") << QByteArray("1 2e3 4\n");
    QTest::newRow("unit") << QByteArray("1 45.5deg\n");
    QTest::newRow("underscore") << QByteArray("1 2_3\n");
    QTest::newRow("square bracket") << QByteArray("[1] 2\n");
    QTest::newRow("backquote") << QByteArray("1 `2\n");
    QTest::newRow("letter in the last line") << numberedLines(20) + "end";
    QTest::newRow("letter past the limit") << numberedLines(9000) + "x\n";
    QTest::newRow("letter after a NUL") << QByteArray("1 2\0x\n", 6);
}

void TestMeasurementReader::refusesAmplitudeFileWithLetters()
{
    QFETCH(QByteArray, bytes);
    auto data = filledSet();
    data->ampCount = 5;
    data->refCount = 5;
    QCOMPARE(readAmplitudeBytes(bytes, *data), ReadOutcome::Refused);
    QCOMPARE(data->ampCount, 0);
    QCOMPARE(data->refCount, 0);
}

void TestMeasurementReader::acceptsAmplitudeCharactersOutsideTheRange_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("at sign") << QByteArray("@1 2\n");
    QTest::newRow("braces, bar and tilde") << QByteArray("{1} |2| ~3\n");
    QTest::newRow("degree sign in Windows-1252") << QByteArray("1 45\xb0\n");
    QTest::newRow("umlaut in UTF-8") << QByteArray("1 \xc3\xa4 2\n");
    QTest::newRow("control characters") << QByteArray("1\x01 2\x1a 3\x7f\n");
}

void TestMeasurementReader::acceptsAmplitudeCharactersOutsideTheRange()
{
    QFETCH(QByteArray, bytes);
    auto data = filledSet();
    QCOMPARE(readAmplitudeBytes(bytes, *data), ReadOutcome::Read);
    QCOMPARE(data->ampCount, 1);
}

void TestMeasurementReader::countsEveryAmplitudeLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<int>>("lineNumbers");   // of each sample; their count is ampCount

    QTest::newRow("empty file") << QByteArray() << QList<int>{};
    QTest::newRow("line feed only") << QByteArray("\n") << QList<int>{1};
    QTest::newRow("last line without line feed") << QByteArray("1 2\n3 4") << QList<int>{1, 2};
    QTest::newRow("final empty line adds a sample") << QByteArray("1 2\n3 4\n\n") << QList<int>{1, 2, 3};
    QTest::newRow("CR LF is one line end") << QByteArray("1 2\r\n3 4\r\n") << QList<int>{1, 2};
    QTest::newRow("lone CR does not end a line") << QByteArray("1 2\r3 4\n") << QList<int>{1};
    QTest::newRow("300 characters are two samples of line 1")
        << QByteArray(300, ' ') + "\n5\n" << QList<int>{1, 1, 2};
    QTest::newRow("254 characters and LF are two samples of line 1")
        << QByteArray(254, '1') + "\n5\n" << QList<int>{1, 1, 2};
    QTest::newRow("253 characters and CR LF are one line") << QByteArray(253, '1') + "\r\n5" << QList<int>{1, 2};
    QTest::newRow("600 characters are three samples")
        << "1\n" + QByteArray(600, ' ') + "\n5" << QList<int>{1, 2, 2, 2, 3};
}

void TestMeasurementReader::countsEveryAmplitudeLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<int>, lineNumbers);
    auto data = filledSet();
    QCOMPARE(readAmplitudeBytes(bytes, *data), ReadOutcome::Read);
    QCOMPARE(data->ampCount, lineNumbers.size());
    QCOMPARE(data->refCount, lineNumbers.size());
    QCOMPARE(QList<int>(data->ampLineNumbers, data->ampLineNumbers + data->ampCount), lineNumbers);
    // Until a reference file is read, the entries are the amplitude file's lines.
    QCOMPARE(QList<int>(data->refLineNumbers, data->refLineNumbers + data->refCount), lineNumbers);
}

void TestMeasurementReader::cutsLongNumberAtPieceLimit()
{
    // "1 " and 252 nines fill the first piece; the other 48 nines are column 1 of a second.
    auto data = filledSet();
    QCOMPARE(readAmplitudeBytes(QByteArray("1 ") + QByteArray(300, '9') + '\n', *data),
             ReadOutcome::Read);
    QCOMPARE(data->ampCount, 2);
    QCOMPARE(data->ampSeries[0][0], 1e252);
    QCOMPARE(data->refSeries[0][0], 1e252);
    QCOMPARE(data->ampSeries[0][1], 0.0);
}

void TestMeasurementReader::capsCountsAndReusesLastSlot()
{
    auto data = filledSet();
    QCOMPARE(readAmplitudeBytes(numberedLines(10000), *data), ReadOutcome::Read);
    QCOMPARE(data->ampCount, MeasurementSet::maxAmpCount);
    QCOMPARE(data->refCount, MeasurementSet::maxRefCount);
    QCOMPARE(data->ampSeries[0][8190], 8190.5);
    QCOMPARE(data->ampSeries[0][8191], 9999.5);
    QCOMPARE(data->ampLineNumbers[8190], 8191);
    QCOMPARE(data->refLineNumbers[510], 511);
    QCOMPARE(data->ampSeries[1][8191], 50.0);
    QCOMPARE(data->refSeries[0][510], 510.5);
    QCOMPARE(data->refSeries[0][511], 9999.5);
    QCOMPARE(data->refSeries[1][511], 9999.0);
}

void TestMeasurementReader::storesReferenceColumns_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QList<double>>("entry");   // refSeries[0] to [4] at entry 0
    const double u = 0;

    QTest::newRow("column 2 is the angle")
        << QByteArray("1 33.5 3 4 5 6 7 8 9 10\n") << QList<double>{33.5, 7, 9, 8, 10};
    QTest::newRow("two numbers") << QByteArray("1 33.5\n") << QList<double>{33.5, u, u, u, u};
    QTest::newRow("column titles read as no numbers")
        << QByteArray("No Angle Red Blue\n") << QList<double>{u, u, u, u, u};
    QTest::newRow("exponent letter separates")
        << QByteArray("1 2e3\n") << QList<double>{2, u, u, u, u};
    QTest::newRow("letters between numbers separate")
        << QByteArray("a1b2c3d4e5f6g7h8i9j10\n") << QList<double>{2, 7, 9, 8, 10};
}

void TestMeasurementReader::storesReferenceColumns()
{
    QFETCH(QByteArray, line);
    QFETCH(QList<double>, entry);
    auto data = filledSet();
    data->refCount = 7;
    QCOMPARE(readReferenceBytes(line, *data), ReadOutcome::Read);
    QCOMPARE(data->refCount, 1);
    const QList<double> read{data->refSeries[0][0], data->refSeries[1][0], data->refSeries[2][0],
                             data->refSeries[3][0], data->refSeries[4][0]};
    QCOMPARE(read, entry);
}

void TestMeasurementReader::countsEveryReferenceLineAndCapsAt511()
{
    auto data = filledSet();
    QCOMPARE(readReferenceBytes("Title\n" + QByteArray(260, ' ') + "\n1 2\n", *data), ReadOutcome::Read);
    QCOMPARE(data->refCount, 4);
    QCOMPARE(QList<int>(data->refLineNumbers, data->refLineNumbers + 4), (QList<int>{1, 2, 2, 3}));
    QCOMPARE(readReferenceBytes(numberedLines(600), *data), ReadOutcome::Read);
    QCOMPARE(data->refCount, MeasurementSet::maxRefCount);
    QCOMPARE(data->refSeries[0][510], 510.5);
    QCOMPARE(data->refSeries[0][511], 599.5);
    QCOMPARE(data->refLineNumbers[510], 511);
}

void TestMeasurementReader::leavesAmplitudePartAloneWhenReadingReference()
{
    auto data = filledSet();
    data->ampCount = 12;
    QCOMPARE(readReferenceBytes("1 2 3 4\n", *data), ReadOutcome::Read);
    QCOMPARE(data->ampCount, 12);
    QCOMPARE(data->ampSeries[0][0], untouched);
    QCOMPARE(data->ampSeries[1][0], untouched);
}

void TestMeasurementReader::zeroesCountsOnReadError()
{
    auto data = filledSet();
    FailingDevice amplitude("1 2 3\n4 5 6\n");
    QCOMPARE(readAmplitudeLines(amplitude, *data), ReadOutcome::ReadError);
    QCOMPARE(data->ampCount, 0);
    QCOMPARE(data->refCount, 0);

    data->ampCount = 4;
    FailingDevice reference("1 2 3\n");
    QCOMPARE(readReferenceLines(reference, *data), ReadOutcome::ReadError);
    QCOMPARE(data->ampCount, 0);
    QCOMPARE(data->refCount, 0);
}

void TestMeasurementReader::readsAmplitudeAndReferenceFiles()
{
    const QString ampPath = writeFile(QStringLiteral("run_amp.txt"),
                                      "1 10 50 55 0 0 1 2 3 4\n2 20 60 65\n3 30 70 75\n");
    const QString refPath = writeFile(QStringLiteral("run_ref.txt"), "1 12.5 0 0 0 0 5 6 7 8\n2 24\n");
    auto data = filledSet();
    MeasurementFiles files;
    QCOMPARE(readMeasurement(ampPath, deriveRefPath(ampPath), *data, files), ReadOutcome::Read);
    QCOMPARE(refPath, deriveRefPath(ampPath));

    QCOMPARE(data->ampCount, 3);
    QCOMPARE(data->refCount, 2);
    QCOMPARE(data->ampSeries[0][2], 30.0);
    QCOMPARE(data->ampSeries[2][2], 75.0);
    QCOMPARE(data->refSeries[0][0], 12.5);
    QCOMPARE(data->refSeries[0][1], 24.0);
    QCOMPARE(data->refSeries[1][0], 5.0);
    QCOMPARE(data->refSeries[4][0], 8.0);
    // The amplitude file's entries were cleared before the reference file was read.
    QCOMPARE(data->refSeries[0][2], 0.0);
    QCOMPARE(data->refSeries[1][0], 5.0);
    QCOMPARE(data->refSeries[2][1], 0.0);
    QCOMPARE(files.ampFileTitle, QStringLiteral("run_amp.txt"));
    QCOMPARE(files.refFileTitle, QStringLiteral("run_ref.txt"));
}

void TestMeasurementReader::keepsAmplitudeEntriesWithoutReferenceFile_data()
{
    QTest::addColumn<QString>("refName");   // "" for an empty refPath

    QTest::newRow("empty reference path") << QString();
    QTest::newRow("missing reference file") << QStringLiteral("none_ref.txt");
    QTest::newRow("reference path is a directory") << QStringLiteral(".");
#ifdef Q_OS_WIN
    QTest::newRow("reference is a device") << QStringLiteral("NUL");
#else
    QTest::newRow("reference is a FIFO without writer") << QStringLiteral("fifo_ref.txt");
    QTest::newRow("reference is a dangling link") << QStringLiteral("dangling_ref.txt");
#endif
}

void TestMeasurementReader::keepsAmplitudeEntriesWithoutReferenceFile()
{
    QFETCH(QString, refName);
    const QString ampPath = writeFile(QStringLiteral("run_amp.txt"),
                                      "1 10 50 55 0 0 1 2 3 4\n2 20 60 65\n");
    const QString refPath = refName.isEmpty() ? QString() : directory->filePath(refName);
    auto data = filledSet();
    MeasurementFiles files;
    files.refFileTitle = QStringLiteral("old_ref.txt");
    QCOMPARE(readMeasurement(ampPath, refPath, *data, files), ReadOutcome::Read);
    QCOMPARE(data->refCount, 2);
    QCOMPARE(data->refSeries[0][0], 10.0);
    QCOMPARE(data->refSeries[0][1], 20.0);
    QCOMPARE(data->refSeries[2][0], 3.0);
    QCOMPARE(files.refFileTitle, QString());
}

void TestMeasurementReader::emptyReferenceFileDiscardsEntries()
{
    const QString ampPath = writeFile(QStringLiteral("run_amp.txt"), "1 10\n2 20\n");
    writeFile(QStringLiteral("run_ref.txt"), QByteArray());
    auto data = filledSet();
    MeasurementFiles files;
    QCOMPARE(readMeasurement(ampPath, deriveRefPath(ampPath), *data, files), ReadOutcome::Read);
    QCOMPARE(data->ampCount, 2);
    QCOMPARE(data->refCount, 0);
    QCOMPARE(files.refFileTitle, QStringLiteral("run_ref.txt"));
}

void TestMeasurementReader::refusedFileStillRecordsTitleAndStatus()
{
    const QString ampPath = writeFile(QStringLiteral("bad_amp.txt"), "Angle Amplitude\n1 2\n");
    writeFile(QStringLiteral("bad_ref.txt"), "1 2\n");
    auto data = filledSet();
    MeasurementFiles files;
    files.refFileTitle = QStringLiteral("old_ref.txt");
    QCOMPARE(readMeasurement(ampPath, deriveRefPath(ampPath), *data, files), ReadOutcome::Refused);
    QCOMPARE(data->ampCount, 0);
    QCOMPARE(data->refCount, 0);
    QCOMPARE(files.ampFileTitle, QStringLiteral("bad_amp.txt"));
    QCOMPARE(files.refFileTitle, QString());
    QCOMPARE(files.ampFileStatus.size, uint64_t(20));
}

void TestMeasurementReader::changesNothingWhenAmplitudeFileCannotBeOpened_data()
{
    QTest::addColumn<QString>("ampName");   // "" for an empty ampPath

    QTest::newRow("empty path") << QString();
    QTest::newRow("missing file") << QStringLiteral("missing_amp.txt");
    QTest::newRow("directory") << QStringLiteral(".");
#ifdef Q_OS_WIN
    QTest::newRow("device") << QStringLiteral("NUL");
#else
    QTest::newRow("FIFO without writer") << QStringLiteral("fifo_ref.txt");
    QTest::newRow("endless device") << QStringLiteral("/dev/zero");
#endif
}

void TestMeasurementReader::changesNothingWhenAmplitudeFileCannotBeOpened()
{
    QFETCH(QString, ampName);
    const QString ampPath = ampName.isEmpty() ? QString() : QDir(directory->path()).absoluteFilePath(ampName);
    const QString refPath = writeFile(QStringLiteral("missing_ref.txt"), "1 2\n");
    auto data = filledSet();
    data->ampCount = 5;
    data->refCount = 3;
    MeasurementFiles files;
    files.ampFileTitle = QStringLiteral("old_amp.txt");
    files.refFileTitle = QStringLiteral("old_ref.txt");
    files.ampFileStatus.size = 99;
    QCOMPARE(readMeasurement(ampPath, refPath, *data, files), ReadOutcome::CannotOpen);
    QCOMPARE(data->ampCount, 5);
    QCOMPARE(data->refCount, 3);
    QCOMPARE(data->refSeries[0][0], untouched);
    QCOMPARE(files.ampFileTitle, QStringLiteral("old_amp.txt"));
    QCOMPARE(files.refFileTitle, QStringLiteral("old_ref.txt"));
    QCOMPARE(files.ampFileStatus.size, uint64_t(99));
}

void TestMeasurementReader::readsEmptyAmplitudeFile()
{
    const QString ampPath = writeFile(QStringLiteral("empty_amp.txt"), QByteArray());
    auto data = filledSet();
    data->ampCount = 5;
    data->refCount = 5;
    MeasurementFiles files;
    QCOMPARE(readMeasurement(ampPath, deriveRefPath(ampPath), *data, files), ReadOutcome::Read);
    QCOMPARE(data->ampCount, 0);
    QCOMPARE(data->refCount, 0);
    QCOMPARE(files.ampFileTitle, QStringLiteral("empty_amp.txt"));
}

void TestMeasurementReader::recordsAmplitudeFileStatus()
{
    const QString ampPath = writeFile(QStringLiteral("status_amp.txt"), "1 2 3\n");
    const QDateTime modified = QDateTime::fromSecsSinceEpoch(1'000'000'000);
    {
        QFile file(ampPath);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
        QVERIFY(file.setPermissions(QFileDevice::ReadOwner));
    }
    auto data = filledSet();
    MeasurementFiles files;
    // A relative path: the full name must still be absolute.
    const QString relativePath = QDir::current().relativeFilePath(ampPath);
    QCOMPARE(readMeasurement(relativePath, QString(), *data, files), ReadOutcome::Read);

    const FileStatus &status = files.ampFileStatus;
    QCOMPARE(status.size, uint64_t(6));
    QCOMPARE(status.modificationTime, int64_t(1'000'000'000));
    QVERIFY(status.creationTime > 0);
    QVERIFY(status.accessTime > 0);
    QCOMPARE(status.attributes & FileStatus::readOnlyAttribute, FileStatus::readOnlyAttribute);
    QCOMPARE(status.attributes & FileStatus::hiddenAttribute, 0);
    QCOMPARE(status.fullName, QFileInfo(ampPath).absoluteFilePath());
    QVERIFY(QFileInfo(status.fullName).isAbsolute());
    QCOMPARE(files.ampFileTitle, QStringLiteral("status_amp.txt"));
}

void TestMeasurementReader::capitalSuffixGetsNoReferenceFile()
{
    const QString ampPath = writeFile(QStringLiteral("B_AMP.TXT"), "1 10 0 0 0 0 4\n");
    writeFile(QStringLiteral("B_ref.txt"), "1 99\n");
    writeFile(QStringLiteral("B_REF.TXT"), "1 99\n");
    // Paired as the file system compares names: not here, without case on Windows.
    const bool paired = fileNameCase() == Qt::CaseInsensitive;
    QCOMPARE(deriveRefPath(ampPath).isEmpty(), !paired);
    auto data = filledSet();
    MeasurementFiles files;
    QCOMPARE(readMeasurement(ampPath, deriveRefPath(ampPath), *data, files), ReadOutcome::Read);
    QCOMPARE(files.refFileTitle.isEmpty(), !paired);
    QCOMPARE(data->refCount, 1);
    QCOMPARE(data->refSeries[0][0], paired ? 99.0 : 10.0);
}

void TestMeasurementReader::clearsStaleValuesBetweenReads()
{
    auto data = filledSet();
    const QString first = writeFile(QStringLiteral("a_amp.txt"), "1 10 20 30 40 50 60 70 80 90\n");
    const QString second = writeFile(QStringLiteral("b_amp.txt"), "1 11 21 31\n");
    MeasurementFiles files;
    QCOMPARE(readMeasurement(first, QString(), *data, files), ReadOutcome::Read);
    QCOMPARE(data->refSeries[4][0], 90.0);
    QCOMPARE(readMeasurement(second, QString(), *data, files), ReadOutcome::Read);
    QCOMPARE(firstEntry(*data), (QList<double>{11, 21, 31, 11, 0, 0, 0, 0}));
    QCOMPARE(data->ampSeries[0][1], 0.0);
}

void TestMeasurementReader::readsNonAsciiFileNames()
{
    const QString ampPath = writeFile(QStringLiteral("Prüfung 3_amp.txt"), "1 10\n");
    writeFile(QStringLiteral("Prüfung 3_ref.txt"), "1 99\n2 98\n");
    auto data = filledSet();
    MeasurementFiles files;
    QCOMPARE(readMeasurement(ampPath, deriveRefPath(ampPath), *data, files), ReadOutcome::Read);
    QCOMPARE(files.ampFileTitle, QStringLiteral("Prüfung 3_amp.txt"));
    QCOMPARE(files.refFileTitle, QStringLiteral("Prüfung 3_ref.txt"));
    QCOMPARE(data->refCount, 2);
    QCOMPARE(data->refSeries[0][1], 98.0);
}

void TestMeasurementReader::streamsLargeFileWithCountsCapped()
{
    // About 8 MB: far more than one read block and than the capacity, with CR LF line ends.
    QByteArray bytes = numberedLines(150'000);
    bytes.replace("\n", "\r\n");
    const QString ampPath = writeFile(QStringLiteral("large_amp.txt"), bytes);
    auto data = filledSet();
    MeasurementFiles files;
    QCOMPARE(readMeasurement(ampPath, QString(), *data, files), ReadOutcome::Read);
    QCOMPARE(data->ampCount, MeasurementSet::maxAmpCount);
    QCOMPARE(data->refCount, MeasurementSet::maxRefCount);
    QCOMPARE(data->ampSeries[0][8190], 8190.5);
    QCOMPARE(data->ampSeries[0][8191], 149999.5);
    QCOMPARE(data->refSeries[4][511], 3.0);
    QCOMPARE(files.ampFileStatus.size, uint64_t(bytes.size()));
}

void TestMeasurementReader::readsExamplePair()
{
    // The pair that `make run` opens and the README pictures show.
    const QString ampPath = QStringLiteral(VELKVIEW_SOURCE_DIR "/examples/demo_amp.txt");
    auto data = filledSet();
    MeasurementFiles files;
    QCOMPARE(readMeasurement(ampPath, deriveRefPath(ampPath), *data, files), ReadOutcome::Read);
    QCOMPARE(data->ampCount, 720);
    QCOMPARE(data->refCount, 24);
    QCOMPARE(files.refFileTitle, QStringLiteral("demo_ref.txt"));
    QCOMPARE(data->ampSeries[0][360], 0.0);
    QCOMPARE(data->refSeries[1][9], 220.0);
    QCOMPARE(data->refSeries[2][13], -130.0);
}

QTEST_GUILESS_MAIN(TestMeasurementReader)
#include "tst_measurement_reader.moc"
