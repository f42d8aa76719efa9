#include "app/main_window.h"
#include "doubles/scripted_dialogs.h"
#include "doubles/test_files.h"
#include "results/results_window.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <thread>

namespace {

constexpr int settleMs = 300;

QByteArray ampLines(int count)
{
    QByteArray lines;
    for (int i = 0; i < count; ++i)
        lines += QByteArray::number(i + 1) + ' ' + QByteArray::number(i) + " 60 70\n";
    return lines;
}

// Writes content as the station does: created, written in pieces with pauses, closed.
void writeInPieces(const QString &path, const QByteArray &content, int pieces, int pauseMs)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const qsizetype step = std::max<qsizetype>(1, content.size() / pieces);
    for (qsizetype at = 0; at < content.size(); at += step) {
        file.write(content.mid(at, step));
        file.flush();
        if (at + step < content.size())
            QTest::qWait(pauseMs);
    }
}

// Follows folder and waits for its first listing: what is there by then counts as seen.
bool followAndWait(MainWindow &window, const QString &folder, int settle = settleMs)
{
    if (!window.followFolder(folder, settle))
        return false;
    return QTest::qWaitFor([&] { return window.folderFollower().watching() != FolderFollower::Watching::Starting; }, 5000)
        && window.folderFollower().isFollowing();
}

QString shownTitle(const MainWindow &window)
{
    return window.resultsWindow() ? window.resultsWindow()->files().ampFileTitle : QString();
}

} // namespace

class TestFollowFolder : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void newPairOpensAndRewriteIsReadAgain_data();
    void newPairOpensAndRewriteIsReadAgain();
    void halfWrittenFileWaitsForTheSettleTime();
    void refusedWhileChangingIsRetriedElseReportedOnce();
    void manyMeasurementsEndOnTheNewest();
    void stoppingRemovesTheNote_data();
    void stoppingRemovesTheNote();
    void removedFolderStopsWithOneMessage();
    void followingGoesOn_data();
    void followingGoesOn();
};

void TestFollowFolder::newPairOpensAndRewriteIsReadAgain_data()
{
    QTest::addColumn<bool>("polling");
    QTest::newRow("notifications") << false;
    QTest::newRow("polling") << true;
}

void TestFollowFolder::newPairOpensAndRewriteIsReadAgain()
{
    QFETCH(bool, polling);
    qputenv("VELKVIEW_POLL_FOLDERS", polling ? "1" : "0");
    QTemporaryDir dir;
    writeTestFile(dir.filePath(QStringLiteral("old_amp.txt")), ampLines(3));
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    QVERIFY(followAndWait(window, dir.path()));
    QCOMPARE(window.folderFollower().watching(), polling ? FolderFollower::Watching::Polling : FolderFollower::Watching::Notifications);
    // What was there counts as seen; with nothing on screen the newest is shown.
    QTRY_COMPARE(shownTitle(window), QStringLiteral("old_amp.txt"));

    writeInPieces(dir.filePath(QStringLiteral("new_amp.txt")), ampLines(10), 4, 20);
    writeInPieces(dir.filePath(QStringLiteral("new_ref.txt")), "1 0 0 0 0 5 0 1 0 -1\n", 1, 0);
    QTRY_COMPARE_WITH_TIMEOUT(shownTitle(window), QStringLiteral("new_amp.txt"), 5000);
    QCOMPARE(window.resultsWindow()->measurement().ampCount, 10);
    QCOMPARE(window.resultsWindow()->measurement().refCount, 1);
    // Following does not flood the recent files; the one on screen when it stops goes in.
    QCOMPARE(window.recentFiles().count(), 0);

    // The station overwrites the same name.
    writeInPieces(dir.filePath(QStringLiteral("new_amp.txt")), ampLines(25), 2, 10);
    QTRY_COMPARE_WITH_TIMEOUT(window.resultsWindow()->measurement().ampCount, 25, 5000);
    QVERIFY(dialogs.errors.isEmpty());
    window.stopFollowing();
    QCOMPARE(window.recentFiles().title(0), QStringLiteral("new_amp.txt"));
    qunsetenv("VELKVIEW_POLL_FOLDERS");
}

// Pieces come more often than the settle time: nothing is shown until the file was closed and
// has rested for it, and then the whole file.
void TestFollowFolder::halfWrittenFileWaitsForTheSettleTime()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    QVERIFY(followAndWait(window, dir.path()));
    writeInPieces(dir.filePath(QStringLiteral("slow_amp.txt")), ampLines(400), 10, settleMs / 3);
    QElapsedTimer sinceClosed;
    sinceClosed.start();
    QCOMPARE(shownTitle(window), QString());
    QTRY_COMPARE_WITH_TIMEOUT(shownTitle(window), QStringLiteral("slow_amp.txt"), 5000);
    QVERIFY2(sinceClosed.elapsed() >= settleMs - 20, qPrintable(QString::number(sinceClosed.elapsed())));
    QCOMPARE(window.resultsWindow()->measurement().ampCount, 400);

    // A pause longer than the settle time in the middle of a line does not end the file.
    QFile paused(dir.filePath(QStringLiteral("paused_amp.txt")));
    QVERIFY(paused.open(QIODevice::WriteOnly));
    paused.write("1 0 60 70\n2 1 6");
    paused.flush();
    QTest::qWait(3 * settleMs / 2);
    QCOMPARE(shownTitle(window), QStringLiteral("slow_amp.txt"));
    paused.write("1 71\n");
    paused.close();
    QTRY_COMPARE_WITH_TIMEOUT(shownTitle(window), QStringLiteral("paused_amp.txt"), 5000);
    QCOMPARE(window.resultsWindow()->measurement().ampSeries[1][1], 61.0);
}

void TestFollowFolder::refusedWhileChangingIsRetriedElseReportedOnce()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    QVERIFY(followAndWait(window, dir.path()));
    const QString path = dir.filePath(QStringLiteral("late_amp.txt"));

    // The first read finds letters the station is still overwriting: no message, a read again.
    int reads = 0;
    window.measurementLoader().setReadFunction([&](const QString &amp, const QString &ref, MeasurementSet &data,
                                                   MeasurementFiles &files, QString *reason, const ReadProgress &progress) {
        if (++reads == 1) {
            writeTestFile(amp, ampLines(7));
            return ReadOutcome::Refused;
        }
        return readMeasurement(amp, ref, data, files, reason, progress);
    });
    writeTestFile(path, "1 x\n");
    QTRY_COMPARE_WITH_TIMEOUT(shownTitle(window), QStringLiteral("late_amp.txt"), 5000);
    QCOMPARE(window.resultsWindow()->measurement().ampCount, 7);
    QCOMPARE(reads, 2);
    QVERIFY2(dialogs.errors.isEmpty(), qPrintable(dialogs.errors.value(0).text + dialogs.errors.value(0).details));

    // Refused for good: said in the button row, without a box that would stop following.
    writeTestFile(dir.filePath(QStringLiteral("bad_amp.txt")), "1 x\n");
    QTRY_VERIFY_WITH_TIMEOUT(window.resultsWindow()->followNote()->text().contains(QStringLiteral("bad_amp.txt")), 5000);
    QVERIFY(window.resultsWindow()->followNote()->toolTip().contains(QStringLiteral("Invalid file format!")));
    QVERIFY(dialogs.errors.isEmpty());
    QCOMPARE(shownTitle(window), QStringLiteral("late_amp.txt"));
}

// A station writing fast: the viewer keeps up, says nothing and ends on the last measurement.
void TestFollowFolder::manyMeasurementsEndOnTheNewest()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    QVERIFY(followAndWait(window, dir.path(), 50));
    // Reads as slow as a busy station's: measurements settle while one is being read.
    window.measurementLoader().setReadFunction([](const QString &amp, const QString &ref, MeasurementSet &data,
                                                  MeasurementFiles &files, QString *reason, const ReadProgress &progress) {
        QThread::msleep(30);
        return readMeasurement(amp, ref, data, files, reason, progress);
    });
    std::atomic<bool> done = false;
    std::thread station([&] {
        for (int k = 0; k < 200; ++k) {
            const QString base = dir.filePath(QStringLiteral("m%1").arg(k, 3, 10, QLatin1Char('0')));
            writeTestFile(base + QStringLiteral("_amp.txt"), ampLines(720));
            writeTestFile(base + QStringLiteral("_ref.txt"), "1 0 0 0 0 5 0 1 0 -1\n");
            QThread::msleep(2);
        }
        done = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(done, 30000);
    station.join();
    QTRY_COMPARE_WITH_TIMEOUT(shownTitle(window), QStringLiteral("m199_amp.txt"), 5000);
    QTest::qWait(300);
    QCOMPARE(shownTitle(window), QStringLiteral("m199_amp.txt"));
    QCOMPARE(window.resultsWindow()->measurement().ampCount, 720);
    QVERIFY(dialogs.errors.isEmpty());
}

void TestFollowFolder::stoppingRemovesTheNote_data()
{
    QTest::addColumn<QString>("route");
    QTest::newRow("menu") << QStringLiteral("menu");
    QTest::newRow("Ctrl+L") << QStringLiteral("key");
    QTest::newRow("closing the window") << QStringLiteral("close");
}

void TestFollowFolder::stoppingRemovesTheNote()
{
    QFETCH(QString, route);
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    window.show();
    QVERIFY(followAndWait(window, dir.path()));
    ResultsWindow *results = window.resultsWindow();
    QVERIFY(results);
    // Nothing shown yet: the caption says what the window waits for, and nothing needs a
    // measurement is offered.
    QCOMPARE(results->windowTitle(), QStringLiteral("VELKView — following ") + QDir::toNativeSeparators(QDir(dir.path()).absolutePath()));
    QVERIFY(!results->action(QStringLiteral("print"))->isEnabled());
    QVERIFY(!results->printButton()->isEnabled());
    QVERIFY(results->followNote());
    QCOMPARE(results->followNote()->toolTip(), QDir::toNativeSeparators(QDir(dir.path()).absolutePath()));
    QVERIFY(results->followNote()->text().startsWith(QStringLiteral("Following: ")));
    QAction *follow = results->action(QStringLiteral("followFolder"));
    QVERIFY(follow && follow->isChecked());

    if (route == QLatin1String("menu")) {
        follow->trigger();
    } else if (route == QLatin1String("key")) {
        results->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(results));
        QTest::keyClick(results, Qt::Key_L, Qt::ControlModifier);
    } else {
        results->closeButton()->click();
    }
    QVERIFY(!window.folderFollower().isFollowing());
    // Closed while following: the main window says that following has stopped.
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("spareLabel"))->text(),
             route == QLatin1String("close") ? QStringLiteral("Following stopped.") : QString());
    if (window.resultsWindow()) {
        QVERIFY(!window.resultsWindow()->followNote());
        QVERIFY(!window.resultsWindow()->action(QStringLiteral("followFolder"))->isChecked());
    }
}

void TestFollowFolder::removedFolderStopsWithOneMessage()
{
    QTemporaryDir parent;
    const QString folder = parent.filePath(QStringLiteral("station"));
    QVERIFY(QDir().mkpath(folder));
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, parent.path());
    QVERIFY(followAndWait(window, folder));
    QVERIFY(QDir(folder).removeRecursively());
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.errors.size(), 1, 5000);
    QCOMPARE(dialogs.errors[0].text, QStringLiteral("The followed folder is gone; following has stopped."));
    QVERIFY(!window.folderFollower().isFollowing());
    // It showed nothing: with following it goes.
    QTRY_VERIFY(!window.resultsWindow());
    QTest::qWait(1500);
    QCOMPARE(dialogs.errors.size(), 1);
}

void TestFollowFolder::followingGoesOn_data()
{
    QTest::addColumn<QString>("event");
    QTest::newRow("restarted while its first check runs") << "restart";
    QTest::newRow("the shown measurement deleted") << "delete";
    QTest::newRow("an amplitude file waits for its partner") << "partner";
    QTest::newRow("Ctrl+L shows the folder's newest") << "newest";
}

// Following survives what happens around it: it is not stalled by a message, and a new
// measurement is still shown afterwards.
void TestFollowFolder::followingGoesOn()
{
    QFETCH(QString, event);
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    if (event == QLatin1String("restart")) {
        for (int k = 0; k < 5; ++k)
            QVERIFY(window.followFolder(dir.path(), settleMs));
        QVERIFY(followAndWait(window, dir.path()));
    } else if (event == QLatin1String("partner") || event == QLatin1String("newest")) {
        writeTestFile(dir.filePath(QStringLiteral("old_amp.txt")), ampLines(3));
        writeTestFile(dir.filePath(QStringLiteral("old_ref.txt")), "1 0 0 0 0 5 0 1 0 -1\n");
        if (event == QLatin1String("newest")) {
            // Shown first, then a newer one comes before following starts.
            window.openChosenPath(dir.filePath(QStringLiteral("old_amp.txt")));
            QTRY_COMPARE(shownTitle(window), QStringLiteral("old_amp.txt"));
            QTest::qWait(20);
            writeTestFile(dir.filePath(QStringLiteral("next_amp.txt")), ampLines(6));
            window.toggleFollowing();
            QTRY_COMPARE_WITH_TIMEOUT(shownTitle(window), QStringLiteral("next_amp.txt"), 5000);
            QVERIFY(dialogs.errors.isEmpty());
            return;
        }
        QVERIFY(followAndWait(window, dir.path()));
        QTRY_COMPARE_WITH_TIMEOUT(shownTitle(window), QStringLiteral("old_amp.txt"), 5000);
        // The pair is shown once, with its reference file, however late that comes.
        writeTestFile(dir.filePath(QStringLiteral("next_amp.txt")), ampLines(6));
        QTest::qWait(3 * settleMs);
        QCOMPARE(shownTitle(window), QStringLiteral("old_amp.txt"));
        writeTestFile(dir.filePath(QStringLiteral("next_ref.txt")), "1 0 0 0 0 5 0 1 0 -1\n2 0 0 0 0 5 0 1 0 -1\n");
        QTRY_COMPARE_WITH_TIMEOUT(shownTitle(window), QStringLiteral("next_amp.txt"), 5000);
        QCOMPARE(window.files().refFileTitle, QStringLiteral("next_ref.txt"));
        QCOMPARE(window.resultsWindow()->measurement().refCount, 2);
        QVERIFY(dialogs.errors.isEmpty());
        return;
    } else {
        QVERIFY(followAndWait(window, dir.path()));
        writeTestFile(dir.filePath(QStringLiteral("first_amp.txt")), ampLines(4));
        writeTestFile(dir.filePath(QStringLiteral("first_ref.txt")), "1 0 0 0 0 5 0 1 0 -1\n");
        QTRY_COMPARE_WITH_TIMEOUT(shownTitle(window), QStringLiteral("first_amp.txt"), 5000);
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("first_amp.txt"))));
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("first_ref.txt"))));
        QTest::qWait(3 * settleMs);
        QCOMPARE(shownTitle(window), QStringLiteral("first_amp.txt"));
        QCOMPARE(window.resultsWindow()->measurement().ampCount, 4);
    }
    writeTestFile(dir.filePath(QStringLiteral("next_amp.txt")), ampLines(6));
    writeTestFile(dir.filePath(QStringLiteral("next_ref.txt")), "1 0 0 0 0 5 0 1 0 -1\n");
    QTRY_COMPARE_WITH_TIMEOUT(shownTitle(window), QStringLiteral("next_amp.txt"), 5000);
    QVERIFY2(dialogs.errors.isEmpty(), qPrintable(dialogs.errors.value(0).text));
}

QTEST_MAIN(TestFollowFolder)
#include "tst_follow_folder.moc"
