#include "app/main_window.h"
#include "doubles/scripted_dialogs.h"
#include "doubles/test_files.h"
#include "results/results_window.h"

#include <QComboBox>
#include <QMenu>
#include <QApplication>
#include <QHash>
#include <QSemaphore>
#include <QTimer>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <atomic>

namespace {

const QByteArray goodLines = "1 10.5 60 70\n2 20.5 61 71\n";


} // namespace

class TestOpenFlow : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void dialogIsAskedWithTitleFiltersAndStartPath();
    void cancelChangesNothing();
    void dialogStartsAtStoredThenChosenFile();
    void unopenableChoiceShowsOpenError_data();
    void unopenableChoiceShowsOpenError();
    void nameWithoutFullStopGetsTxt();
    void openedFileShowsWindowAndEntersList();
    void refusedFileRemovesWindowWithGermanMessage();
    void cancelledReadOpensNothing();
    void sameTitleIsListedOnce();
    void eighthFileRotatesList();
    void vanishedRecentFileStaysListed();
    void nonAsciiNamePairsWithReferenceFile();
    void requestsDuringAReadNewestWins_data();
    void requestsDuringAReadNewestWins();
    void languageSwitchKeepsRecentTitles();
    void openAtStartShowsTheMainWindowBehind_data();
    void openAtStartShowsTheMainWindowBehind();
    void everyCloseRouteReEnablesLanguage_data();
    void everyCloseRouteReEnablesLanguage();
    void buttonTextsFollowLanguageAtCreation();
    void keysAndDropsOpenAsTheOpenCommand_data();
    void keysAndDropsOpenAsTheOpenCommand();
    void keysRunTheirCommands_data();
    void keysRunTheirCommands();
    void stalledReadKeepsWindowLiveAndCancels();
    void compareReadsASecondMeasurement_data();
    void compareReadsASecondMeasurement();
    void chartWithCompareIsTheWindowsPicture();

private:
    QPushButton *button(MainWindow &window, int id)
    {
        // The template's ids: 1 Exit, 1000 Open file, 1002 to 1008 the recent files.
        const QString name = id == 1 ? QStringLiteral("exitButton")
            : id == 1000             ? QStringLiteral("openButton")
                                     : QStringLiteral("recentButton%1").arg(id - 1001);
        return window.findChild<QPushButton *>(name);
    }
    QComboBox *languageList(MainWindow &window)
    {
        return window.findChild<QComboBox *>(QStringLiteral("languageBox"));
    }
    void openPath(MainWindow &window, ScriptedDialogs &dialogs, const QString &path)
    {
        dialogs.openFileAnswers.append(path);
        window.onOpenFile();
        idle(window);
    }
    // Waits until the reads asked for have ended.
    void idle(MainWindow &window)
    {
        QTRY_VERIFY(!window.session().isBusy());
    }
    // Shows the main window with path opened and activates the window the keys go to.
    QWidget *openAndActivate(MainWindow &window, ScriptedDialogs &dialogs, const QString &path, bool inResults)
    {
        window.show();
        openPath(window, dialogs, path);
        QWidget *target = inResults ? static_cast<QWidget *>(window.resultsWindow()) : &window;
        target->activateWindow();
        return QTest::qWaitForWindowActive(target) ? target : nullptr;
    }
    void closeAll()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

void TestOpenFlow::cleanup()
{
    closeAll();
}

void TestOpenFlow::dialogIsAskedWithTitleFiltersAndStartPath()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    window.onOpenFile();
    QCOMPARE(dialogs.openFileRequests.size(), 1);
    const OpenFileRequest &request = dialogs.openFileRequests.first();
    QCOMPARE(request.title, QStringLiteral("Open log files"));
    QCOMPARE(request.initialPath, dir.path() + QStringLiteral("/*_amp.txt"));
    QCOMPARE(request.filters, (QStringList{QStringLiteral("VELKORA files (*_amp.txt) (*_amp.txt)"),
                                           QStringLiteral("Text files (*.txt) (*.txt)"),
                                           QStringLiteral("All files (*.*) (*)")}));
}

void TestOpenFlow::dialogStartsAtStoredThenChosenFile()
{
    QTemporaryDir dir;
    const QString stored = writeTestFile(dir.filePath(QStringLiteral("stored_amp.txt")), goodLines);
    writeTestFile(dir.filePath(QStringLiteral("VELKView.cfg")), stored.toUtf8() + "\r\nignored");
    const QString chosen = writeTestFile(dir.filePath(QStringLiteral("chosen_amp.txt")), goodLines);
    const QString other = writeTestFile(dir.filePath(QStringLiteral("other_amp.txt")), goodLines);
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    QCOMPARE(window.lastFilePath(), stored);
    openPath(window, dialogs, chosen);
    QCOMPARE(dialogs.openFileRequests.last().initialPath, stored);
    openPath(window, dialogs, other);
    QCOMPARE(dialogs.openFileRequests.last().initialPath, chosen);
    // A recent-file button does not move the start.
    button(window, 1002)->click();
    window.onOpenFile();
    QCOMPARE(dialogs.openFileRequests.last().initialPath, other);
}

void TestOpenFlow::cancelChangesNothing()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    const QString before = window.lastFilePath();
    window.onOpenFile();
    QVERIFY(!window.resultsWindow());
    QVERIFY(dialogs.errors.isEmpty());
    QCOMPARE(window.lastFilePath(), before);
}

void TestOpenFlow::unopenableChoiceShowsOpenError_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("reason");   // the box's informative text after the path
    QTest::newRow("missing file") << "nothing_amp.txt" << "No such file or directory";
    QTest::newRow("directory") << "folder.d" << "Is a directory";
    QTest::newRow("FIFO without writer") << "pipe_amp.txt" << "Not a regular file";
    QTest::newRow("link to an endless device") << "zero_amp.txt" << "Not a regular file";
    // A name the locale could not decode arrives with a replacement character.
    QTest::newRow("name not valid in the locale") << QString::fromUtf8("bad\uFFFD_amp.txt")
                                                  << "The name cannot be shown in this locale";
}

void TestOpenFlow::unopenableChoiceShowsOpenError()
{
    QFETCH(QString, relative);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("folder.d"));
    QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe_amp.txt"))).constData(), 0600), 0);
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("zero_amp.txt"))));
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    const QString before = window.lastFilePath();
    openPath(window, dialogs, dir.filePath(relative));
    QCOMPARE(dialogs.errors.size(), 1);
    QCOMPARE(dialogs.errors.first().caption, QStringLiteral("VELKView"));
    QCOMPARE(dialogs.errors.first().text, QStringLiteral("Error while opening file!"));
    QCOMPARE(dialogs.errors.first().details, dir.filePath(relative) + QLatin1Char('\n') + reason);
    QVERIFY(!window.resultsWindow());
    QCOMPARE(window.lastFilePath(), before);
}

void TestOpenFlow::nameWithoutFullStopGetsTxt()
{
    QTemporaryDir dir;
    QVERIFY(!dir.path().contains(QLatin1Char('.')));
    const QString file = writeTestFile(dir.filePath(QStringLiteral("plain.txt")), goodLines);
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    openPath(window, dialogs, dir.filePath(QStringLiteral("plain")));
    QVERIFY(dialogs.errors.isEmpty());
    QCOMPARE(window.files().ampFileStatus.fullName, file);
    QCOMPARE(window.lastFilePath(), file);
    QVERIFY(window.resultsWindow());
    QCOMPARE(window.resultsWindow()->measurement().ampCount, 2);
}

void TestOpenFlow::openedFileShowsWindowAndEntersList()
{
    QTemporaryDir dir;
    const QString amp = writeTestFile(dir.filePath(QStringLiteral("run 1_amp.txt")), goodLines);
    writeTestFile(dir.filePath(QStringLiteral("run 1_ref.txt")), "1 90 0 0 0 0 120\n");
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    openPath(window, dialogs, amp);
    QVERIFY(dialogs.errors.isEmpty());
    QVERIFY(window.resultsWindow());
    QVERIFY(window.resultsWindow()->isVisible());
    QVERIFY(!languageList(window)->isEnabled());
    QCOMPARE(window.files().ampFileTitle, QStringLiteral("run 1_amp.txt"));
    QCOMPARE(window.files().refFileTitle, QStringLiteral("run 1_ref.txt"));
    QCOMPARE(window.resultsWindow()->measurement().refCount, 1);
    QCOMPARE(window.resultsWindow()->measurement().refSeries[1][0], 120.0);
    QCOMPARE(button(window, 1002)->text(), QStringLiteral("run 1_amp.txt"));
    QVERIFY(button(window, 1002)->isEnabled());
    QVERIFY(!button(window, 1003)->isEnabled());
    QCOMPARE(window.lastFilePath(), amp);

    // Opening again reuses the window.
    QPointer<ResultsWindow> first = window.resultsWindow();
    button(window, 1002)->click();
    idle(window);
    QCOMPARE(window.resultsWindow(), first.data());

    emit window.resultsWindow()->closeRequested();
    closeAll();
    QVERIFY(!window.resultsWindow());
    QVERIFY(first.isNull());
    QVERIFY(languageList(window)->isEnabled());
}

void TestOpenFlow::refusedFileRemovesWindowWithGermanMessage()
{
    QTemporaryDir dir;
    const QString good = writeTestFile(dir.filePath(QStringLiteral("good_amp.txt")), goodLines);
    const QString bad = writeTestFile(dir.filePath(QStringLiteral("bad_amp.txt")), "Angle Amplitude\n1 2 3 4\n");
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 1, dir.path());
    openPath(window, dialogs, good);
    openPath(window, dialogs, bad);
    closeAll();
    QVERIFY(!window.resultsWindow());
    QVERIFY(languageList(window)->isEnabled());
    QCOMPARE(dialogs.errors.size(), 1);
    QCOMPARE(dialogs.errors.first().caption, QStringLiteral("Fehler"));
    QCOMPARE(dialogs.errors.first().text,
             QString::fromUtf8("Ung\xC3\xBCltiges Dateiformat !\n\nDatensatz konnte nicht ge\xC3\xB6""ffnet werden."));
    QCOMPARE(dialogs.errors.first().details,
             bad + QString::fromUtf8("\nDie Datei enth\xC3\xA4lt Buchstaben (Zeichen A bis z)"));
    QCOMPARE(window.recentFiles().count(), 1);
    // The refused file opened, so the next dialog starts there.
    QCOMPARE(window.lastFilePath(), bad);
}

void TestOpenFlow::cancelledReadOpensNothing()
{
    QTemporaryDir dir;
    const QString path = writeTestFile(dir.filePath(QStringLiteral("m_amp.txt")), goodLines);
    writeTestFile(dir.filePath(QStringLiteral("m_ref.txt")), "1 2 3 4\n");
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    // Cancelled at the first report, and at a later one.
    for (const int allowed : {0, 1}) {
        dialogs.progressReports = 0;
        dialogs.cancelProgressAfter = allowed;
        openPath(window, dialogs, path);
        closeAll();
        QVERIFY(!window.resultsWindow());
        QCOMPARE(dialogs.progressReports, allowed + 1);
    }
    QCOMPARE(dialogs.progressEnds, 2);
    QVERIFY(dialogs.errors.isEmpty());
    QCOMPARE(window.recentFiles().count(), 0);
    QVERIFY(languageList(window)->isEnabled());

    // Cancelling the open of another file keeps the measurement shown as it was.
    const QString other = writeTestFile(dir.filePath(QStringLiteral("o_amp.txt")), "1 5 6 7\n");
    dialogs.cancelProgressAfter = -1;
    openPath(window, dialogs, path);
    dialogs.progressReports = 0;
    dialogs.cancelProgressAfter = 0;
    openPath(window, dialogs, other);
    closeAll();
    QVERIFY(window.resultsWindow());
    QCOMPARE(window.resultsWindow()->measurement().ampCount, 2);
    QCOMPARE(window.files().ampFileStatus.fullName, path);
    QVERIFY(dialogs.errors.isEmpty());
}

void TestOpenFlow::sameTitleIsListedOnce()
{
    QTemporaryDir dir;
    const QString first = writeTestFile(dir.filePath(QStringLiteral("a/m_amp.txt")), goodLines);
    const QString second = writeTestFile(dir.filePath(QStringLiteral("b/m_amp.txt")), "1 5 10 20\n");
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    openPath(window, dialogs, first);
    openPath(window, dialogs, first);
    openPath(window, dialogs, second);
    QCOMPARE(window.recentFiles().count(), 1);
    QCOMPARE(window.recentFiles().path(0), first);
    button(window, 1002)->click();
    idle(window);
    QCOMPARE(window.resultsWindow()->measurement().ampCount, 2);
    // The recent button does not move the dialog's start.
    QCOMPARE(window.lastFilePath(), second);
}

void TestOpenFlow::eighthFileRotatesList()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    for (int n = 1; n <= 8; ++n)
        openPath(window, dialogs, writeTestFile(dir.filePath(QStringLiteral("f%1_amp.txt").arg(n)), goodLines));
    QCOMPARE(window.recentFiles().count(), 7);
    for (int k = 0; k < 7; ++k)
        QCOMPARE(button(window, 1002 + k)->text(), QStringLiteral("f%1_amp.txt").arg(k + 2));
}

void TestOpenFlow::vanishedRecentFileStaysListed()
{
    QTemporaryDir dir;
    const QString amp = writeTestFile(dir.filePath(QStringLiteral("gone_amp.txt")), goodLines);
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    openPath(window, dialogs, amp);
    emit window.resultsWindow()->closeRequested();
    QVERIFY(QFile::remove(amp));
    button(window, 1002)->click();
    idle(window);
    closeAll();
    QVERIFY(!window.resultsWindow());
    QCOMPARE(dialogs.errors.size(), 1);
    QCOMPARE(dialogs.errors.first().text, QStringLiteral("Invalid file format!\n\nData set could not be opened."));
    QCOMPARE(window.recentFiles().count(), 1);
    QVERIFY(button(window, 1002)->isEnabled());
}

void TestOpenFlow::nonAsciiNamePairsWithReferenceFile()
{
    QTemporaryDir dir;
    const QString amp = writeTestFile(dir.filePath(QString::fromUtf8("Pr\xC3\xBC""fung 3 \"%s\"_amp.txt")), goodLines);
    writeTestFile(dir.filePath(QString::fromUtf8("Pr\xC3\xBC""fung 3 \"%s\"_ref.txt")), "1 45 0 0 0 0 0 7\n");
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    openPath(window, dialogs, amp);
    QVERIFY(dialogs.errors.isEmpty());
    QCOMPARE(window.files().refFileTitle, QString::fromUtf8("Pr\xC3\xBC""fung 3 \"%s\"_ref.txt"));
    QCOMPARE(window.resultsWindow()->measurement().refSeries[3][0], 7.0);
    QCOMPARE(ResultsWindow::captionFor(window.files()),
             QString::fromUtf8("VELKView - \"Pr\xC3\xBC""fung 3 \"%s\"_amp.txt\", \"Pr\xC3\xBC""fung 3 \"%s\"_ref.txt\""));
}

void TestOpenFlow::requestsDuringAReadNewestWins_data()
{
    // held: the file whose read stalls until the other request has come; during: that request;
    // shown: the title on screen at the end (empty: no results window); error: the file named
    // by the one message, if any.
    QTest::addColumn<QString>("held");
    QTest::addColumn<QString>("during");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("error");
    QTest::newRow("drop during a refused read") << "bad" << "drop b" << "b_amp.txt" << "";
    QTest::newRow("recent file during a refused read") << "bad" << "recent" << "a_amp.txt" << "";
    QTest::newRow("F5 during the read of another file") << "b" << "F5" << "b_amp.txt" << "";
    QTest::newRow("refused drop during a good read") << "b" << "drop bad" << "" << "bad";
}

// Open, a recent file, a drop and F5 given while a read runs: the newest wins, nothing is
// shown for a moment, and a message names the file that failed.
void TestOpenFlow::requestsDuringAReadNewestWins()
{
    QFETCH(QString, held);
    QFETCH(QString, during);
    QFETCH(QString, shown);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString a = writeTestFile(dir.filePath(QStringLiteral("a_amp.txt")), goodLines);
    const QHash<QString, QString> paths{
        {QStringLiteral("b"), writeTestFile(dir.filePath(QStringLiteral("b_amp.txt")), goodLines + "3 30 62 72\n")},
        {QStringLiteral("bad"), writeTestFile(dir.filePath(QStringLiteral("bad_amp.txt")), "Angle\n1 2 3 4\n")}};
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    openPath(window, dialogs, a);
    QSemaphore entered;
    QSemaphore release;
    std::atomic<bool> holding{true};
    window.measurementLoader().setReadFunction([&](const QString &ampPath, const QString &refPath, MeasurementSet &data,
                                                  MeasurementFiles &files, QString *reason, const ReadProgress &progress) {
        if (ampPath == paths[held] && holding.exchange(false)) {
            entered.release();
            release.acquire();
        }
        return readMeasurement(ampPath, refPath, data, files, reason, progress);
    });
    window.openChosenPath(paths[held]);
    QVERIFY(entered.tryAcquire(1, 5000));
    if (during.startsWith(QLatin1String("drop ")))
        window.openChosenPath(paths[during.mid(5)]);
    else if (during == QLatin1String("recent"))
        button(window, 1002)->click();
    else
        window.reloadShown();
    release.release();
    idle(window);
    closeAll();
    QCOMPARE(window.resultsWindow() ? window.files().ampFileTitle : QString(), shown);
    QCOMPARE(dialogs.errors.size(), error.isEmpty() ? 0 : 1);
    if (!error.isEmpty())
        QVERIFY(dialogs.errors[0].details.startsWith(paths[error] + QLatin1Char('\n')));
}

void TestOpenFlow::languageSwitchKeepsRecentTitles()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    openPath(window, dialogs, writeTestFile(dir.filePath(QStringLiteral("one_amp.txt")), goodLines));
    openPath(window, dialogs, writeTestFile(dir.filePath(QStringLiteral("two_amp.txt")), goodLines));
    emit window.resultsWindow()->closeRequested();
    closeAll();
    languageList(window)->setCurrentIndex(2);
    emit languageList(window)->activated(2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(button(window, 1002)->text(), QStringLiteral("one_amp.txt"));
    QCOMPARE(button(window, 1003)->text(), QStringLiteral("two_amp.txt"));
    for (int k = 2; k < 7; ++k) {
        QCOMPARE(button(window, 1002 + k)->text(), QStringLiteral("Fichiers:%1").arg(k + 1));
        QVERIFY(!button(window, 1002 + k)->isEnabled());
    }
}

void TestOpenFlow::openAtStartShowsTheMainWindowBehind_data()
{
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("cancelled");
    QTest::newRow("after the results window") << true << false;
    QTest::newRow("with the message after a refused file") << false << false;
    QTest::newRow("once a slow read is cancelled") << true << true;
}

// A measurement from the command line: no window comes up before it can show its picture.
void TestOpenFlow::openAtStartShowsTheMainWindowBehind()
{
    QFETCH(bool, valid);
    QFETCH(bool, cancelled);
    QTemporaryDir dir;
    const QString amp = writeTestFile(dir.filePath(QStringLiteral("m_amp.txt")), valid ? goodLines : QByteArray("Angle\n1 2 3 4\n"));
    ScriptedDialogs dialogs;
    dialogs.cancelProgressAfter = cancelled ? 0 : -1;
    MainWindow window(dialogs, 0, dir.path());
    window.openAtStart(amp);
    QVERIFY(!window.isVisible());
    idle(window);
    // Nothing shown and nothing said after a cancel: this window must not stay out of sight.
    QTRY_VERIFY(window.isVisible() || (valid && !cancelled));
    QCOMPARE(window.resultsWindow() != nullptr, valid && !cancelled);
    QCOMPARE(dialogs.errors.size(), valid ? 0 : 1);
    if (valid && !cancelled) {
        // Out of sight while the results window covers the screen, and there once it closes.
        QVERIFY(window.resultsWindow()->isVisible());
        QCOMPARE(window.resultsWindow()->measurement().ampCount, 2);
        QVERIFY(!window.isVisible());
        window.resultsWindow()->closeButton()->click();
    }
    QVERIFY(window.isVisible());
}

void TestOpenFlow::everyCloseRouteReEnablesLanguage_data()
{
    QTest::addColumn<QString>("route");
    QTest::newRow("Close button") << "button";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("close box") << "closebox";
}

void TestOpenFlow::everyCloseRouteReEnablesLanguage()
{
    QFETCH(QString, route);
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow main(dialogs, 0, dir.path());
    main.openChosenPath(writeTestFile(dir.filePath(QStringLiteral("m_amp.txt")), goodLines));
    idle(main);
    auto *language = main.findChild<QComboBox *>(QStringLiteral("languageBox"));
    QVERIFY(main.resultsWindow());
    QVERIFY(!language->isEnabled());
    QPointer<ResultsWindow> window = main.resultsWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    if (route == QLatin1String("button"))
        window->closeButton()->click();
    else if (route == QLatin1String("enter"))
        QTest::keyClick(window, Qt::Key_Return);
    else if (route == QLatin1String("escape"))
        QTest::keyClick(window, Qt::Key_Escape);
    else
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
    QVERIFY(!main.resultsWindow());
    QVERIFY(language->isEnabled());
}

void TestOpenFlow::buttonTextsFollowLanguageAtCreation()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow main(dialogs, 2, dir.path());
    main.openChosenPath(writeTestFile(dir.filePath(QStringLiteral("m_amp.txt")), goodLines));
    idle(main);
    QVERIFY(main.resultsWindow());
    QCOMPARE(main.resultsWindow()->closeButton()->text(), QString::fromUtf8("Fermer la fen\xC3\xAAtre"));
    QCOMPARE(main.resultsWindow()->printButton()->text(), QStringLiteral("Imprimer"));
}

void TestOpenFlow::keysAndDropsOpenAsTheOpenCommand_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<bool>("inResults");
    QTest::newRow("Ctrl+O, main window") << "key" << false;
    QTest::newRow("Ctrl+O, results window") << "key" << true;
    QTest::newRow("drop on main window") << "drop" << false;
    QTest::newRow("drop on results window") << "drop" << true;
    QTest::newRow("F5 reads the shown file again") << "F5" << true;
    QTest::newRow("F5 on a file turned invalid") << "F5 invalid" << true;
    QTest::newRow("F5 on a deleted file") << "F5 deleted" << true;
}

// Each route opens a second file of the same name from another folder (or the first one again)
// exactly as the Open command would; the one recent button keeps the first file's path.
void TestOpenFlow::keysAndDropsOpenAsTheOpenCommand()
{
    QFETCH(QString, route);
    QFETCH(bool, inResults);
    QTemporaryDir dir;
    const QString first = writeTestFile(dir.filePath(QStringLiteral("a_amp.txt")), goodLines);
    const QString second = writeTestFile(dir.filePath(QStringLiteral("b/a_amp.txt")), goodLines + "3 30 62 72\n");
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    QWidget *target = openAndActivate(window, dialogs, first, inResults);
    QVERIFY(target);

    QString expected = second;
    if (route == QLatin1String("key")) {
        dialogs.openFileAnswers.append(second);
        QTest::keySequence(target, QKeySequence::Open);
    } else if (route == QLatin1String("drop")) {
        QMimeData mime;
        mime.setUrls({QUrl(QStringLiteral("https://example.org/c_amp.txt")), QUrl::fromLocalFile(second),
                      QUrl::fromLocalFile(first)});
        // Qt hands a drop only to the widget that accepted the drag's entry.
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
    } else {
        expected = first;
        if (route.endsWith(QLatin1String("deleted")))
            QFile::remove(first);
        else
            writeTestFile(first, route.endsWith(QLatin1String("invalid")) ? "x\n" : goodLines + "3 30 62 72\n");
        QTest::keyClick(target, Qt::Key_F5);
    }
    idle(window);
    // The keyboard ends in the window that shows the measurement, after a dialog or a message
    // too; never in the main window behind it.
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(window.resultsWindow()));
    if (route.startsWith(QLatin1String("F5 "))) {
        // A failed read again says why and keeps the measurement on screen, unchanged.
        closeAll();
        QVERIFY(window.resultsWindow() && window.resultsWindow()->isVisible());
        QCOMPARE(window.resultsWindow()->measurement().ampCount, 2);
        QCOMPARE(window.files().ampFileStatus.fullName, first);
        QCOMPARE(dialogs.errors.size(), 1);
        QCOMPARE(dialogs.errors[0].text, route.endsWith(QLatin1String("deleted"))
                                                    ? QStringLiteral("Error while opening file!")
                                                    : QStringLiteral("Invalid file format!\n\nData set could not be opened."));
        QVERIFY(dialogs.errors[0].details.startsWith(first + QLatin1Char('\n')));
        return;
    }
    QVERIFY(dialogs.errors.isEmpty());
    QVERIFY(window.resultsWindow());
    QCOMPARE(window.resultsWindow()->measurement().ampCount, 3);
    QCOMPARE(window.files().ampFileStatus.fullName, expected);
    QCOMPARE(window.lastFilePath(), route == QLatin1String("F5") ? first : expected);
    QCOMPARE(button(window, 1002)->toolTip(), QDir::toNativeSeparators(first));
    QVERIFY(!button(window, 1003)->isEnabled());
}

void TestOpenFlow::keysRunTheirCommands_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<bool>("inResults");
    QTest::newRow("Ctrl+P prints") << QKeySequence(QKeySequence::Print) << true;
    QTest::newRow("F11 toggles full screen") << QKeySequence(Qt::Key_F11) << true;
    QTest::newRow("Ctrl+Q quits from the main window") << QKeySequence(Qt::CTRL | Qt::Key_Q) << false;
    QTest::newRow("Ctrl+Q quits from the results window") << QKeySequence(Qt::CTRL | Qt::Key_Q) << true;
}

void TestOpenFlow::keysRunTheirCommands()
{
    QFETCH(QKeySequence, key);
    QFETCH(bool, inResults);
    QTemporaryDir dir;
    const QString amp = writeTestFile(dir.filePath(QStringLiteral("a_amp.txt")), goodLines);
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    QWidget *target = openAndActivate(window, dialogs, amp, inResults);
    QVERIFY(target);
    QTest::keySequence(target, key);
    if (key == QKeySequence(QKeySequence::Print)) {
        QCOMPARE(dialogs.dialogCount, 1);
        QCOMPARE(dialogs.printDialogCount, 1);
    } else if (key == QKeySequence(Qt::Key_F11)) {
        QVERIFY(window.resultsWindow()->isFullScreen());
        QTest::keySequence(target, key);
        QVERIFY(!window.resultsWindow()->isFullScreen());
    } else {
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("VELKView.cfg"))));
    }
}

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// A file system that stops answering: the read blocks until the test releases it. The window
// keeps painting meanwhile, Cancel returns at once, and the abandoned read is never shown.
void TestOpenFlow::stalledReadKeepsWindowLiveAndCancels()
{
    QTemporaryDir dir;
    const QString path = writeTestFile(dir.filePath(QStringLiteral("a_amp.txt")), goodLines);
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    window.show();
    openPath(window, dialogs, path);
    QVERIFY(window.resultsWindow());
    QVERIFY(QTest::qWaitForWindowExposed(window.resultsWindow()));

    QSemaphore release;
    QSemaphore returned;
    window.measurementLoader().setReadFunction([&](const QString &, const QString &, MeasurementSet &data, MeasurementFiles &,
                                       QString *, const ReadProgress &) {
        release.acquire();
        data.ampCount = 1;
        returned.release();
        return ReadOutcome::Read;
    });
    PaintCounter counter;
    window.resultsWindow()->installEventFilter(&counter);
    window.reloadShown();
    window.resultsWindow()->update();
    QTest::qWait(250);
    const int paintsWhileBlocked = counter.paints;
    QElapsedTimer sinceCancel;
    sinceCancel.start();
    dialogs.cancelRead();
    idle(window);
    const qint64 cancelTook = sinceCancel.elapsed();
    release.release();
    QVERIFY(returned.tryAcquire(1, 5000));
    QTest::qWait(50);

    QVERIFY(paintsWhileBlocked > 0);
    QVERIFY2(cancelTook < 100, qPrintable(QString::number(cancelTook)));
    QCOMPARE(window.resultsWindow()->measurement().ampCount, 2);
    QVERIFY(dialogs.errors.isEmpty());
}

void TestOpenFlow::compareReadsASecondMeasurement_data()
{
    QTest::addColumn<QString>("route");
    QTest::newRow("Ctrl+Shift+O, then Stop comparing") << "key";
    QTest::newRow("drop with Shift, then Stop comparing") << "drop";
    QTest::newRow("menu, refused file keeps the comparison") << "invalid";
    QTest::newRow("F5 reads both again") << "F5";
    QTest::newRow("F5 on a compared file turned invalid") << "F5 invalid";
    QTest::newRow("F5 on a compared file deleted") << "F5 deleted";
}

// The comparison is read as Open reads a file, and a failed read leaves both measurements shown.
void TestOpenFlow::compareReadsASecondMeasurement()
{
    QFETCH(QString, route);
    QTemporaryDir dir;
    const QString shown = writeTestFile(dir.filePath(QStringLiteral("a_amp.txt")), goodLines);
    const QString other = writeTestFile(dir.filePath(QStringLiteral("b/c_amp.txt")), goodLines + "3 30 62 72\n");
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    QWidget *target = openAndActivate(window, dialogs, shown, true);
    QVERIFY(target);
    ResultsWindow *results = window.resultsWindow();
    if (route == QLatin1String("drop")) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(other)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(target, &drop);
    } else {
        dialogs.openFileAnswers.append(other);
        QTest::keySequence(target, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
        QCOMPARE(dialogs.openFileRequests.last().title, QStringLiteral("Compare with another measurement"));
        // In the shown measurement's folder, no file chosen.
        QCOMPARE(dialogs.openFileRequests.last().initialPath, QDir(dir.path()).absolutePath() + QLatin1Char('/'));
    }
    idle(window);
    // The keyboard stays in the results window: Enter there must not reach the main window.
    QTRY_COMPARE(QApplication::activeWindow(), target);
    QVERIFY(results->isComparing());
    QCOMPARE(results->comparedMeasurement()->ampCount, 3);
    QCOMPARE(results->comparedFiles().ampFileTitle, QStringLiteral("c_amp.txt"));
    QCOMPARE(results->measurement().ampCount, 2);
    QCOMPARE(window.files().ampFileStatus.fullName, shown);

    if (route.endsWith(QLatin1String("invalid"))) {
        const QString bad = writeTestFile(route == QLatin1String("invalid") ? dir.filePath(QStringLiteral("d_amp.txt")) : other, "x\n");
        if (route == QLatin1String("invalid")) {
            dialogs.openFileAnswers.append(bad);
            results->action(QStringLiteral("compareWith"))->trigger();
        } else {
            QTest::keyClick(target, Qt::Key_F5);
        }
        idle(window);
        QCOMPARE(dialogs.errors.size(), 1);
        QCOMPARE(dialogs.errors[0].text, QStringLiteral("Invalid file format!\n\nData set could not be opened."));
        QVERIFY(dialogs.errors[0].details.startsWith(bad + QLatin1Char('\n')));
        QCOMPARE(results->comparedMeasurement()->ampCount, 3);
        QCOMPARE(results->comparedFiles().ampFileStatus.fullName, other);
        QCOMPARE(results->measurement().ampCount, 2);
        return;
    }
    if (route == QLatin1String("F5 deleted")) {
        // Says so, and draws nothing that no file holds any more.
        QVERIFY(QFile::remove(other));
        QTest::keyClick(target, Qt::Key_F5);
        idle(window);
        QCOMPARE(dialogs.errors.size(), 1);
        QCOMPARE(dialogs.errors[0].text, QStringLiteral("Error while opening file!"));
        QVERIFY(dialogs.errors[0].details.startsWith(other + QLatin1Char('\n')));
        QVERIFY(!results->isComparing());
        QCOMPARE(results->measurement().ampCount, 2);
        return;
    }
    if (route == QLatin1String("F5")) {
        writeTestFile(shown, goodLines + "3 30 62 72\n");
        writeTestFile(other, goodLines + "3 30 62 72\n4 40 63 73\n");
        QTest::keyClick(target, Qt::Key_F5);
        idle(window);
        QVERIFY(dialogs.errors.isEmpty());
        QCOMPARE(results->measurement().ampCount, 3);
        QCOMPARE(results->comparedMeasurement()->ampCount, 4);
        return;
    }
    QVERIFY(dialogs.errors.isEmpty());
    QAction *stop = results->action(QStringLiteral("stopComparing"));
    QVERIFY(stop && stop->isEnabled());
    stop->trigger();
    QVERIFY(!results->isComparing());
    QVERIFY(!results->action(QStringLiteral("stopComparing"))->isEnabled());
}

// --chart with --compare writes the picture the results window shows while comparing.
void TestOpenFlow::chartWithCompareIsTheWindowsPicture()
{
    QTemporaryDir dir;
    const QString shown = writeTestFile(dir.filePath(QStringLiteral("a_amp.txt")), goodLines + "3 200 40 50\n");
    const QString other = writeTestFile(dir.filePath(QStringLiteral("c_amp.txt")), "1 15 50 40\n2 95 66 52\n3 220 30 35\n");
    writeTestFile(dir.filePath(QStringLiteral("c_ref.txt")), "1 45 0 0 0 0 350 20 -120 -30\n2 90 0 0 0 0 0 40 0 -50\n");
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    QVERIFY(openAndActivate(window, dialogs, shown, true));
    window.compareChosenPath(other);
    idle(window);
    ResultsWindow *results = window.resultsWindow();
    QVERIFY(results->isComparing());
    const QSize size = results->size();
    const QImage onScreen = results->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString png = dir.filePath(QStringLiteral("compare.png"));
    QCOMPARE(QProcess::execute(QStringLiteral(VELKVIEW_BINARY),
                               {QStringLiteral("--chart"), png, QStringLiteral("--size"),
                                QStringLiteral("%1x%2").arg(size.width()).arg(size.height()),
                                QStringLiteral("--compare"), other, shown}),
             0);
    // The buttons' strip is the window's own.
    const QRect charts(0, 0, size.width(), size.height() - size.height() / 10);
    QCOMPARE(QImage(png).convertToFormat(QImage::Format_RGB32).copy(charts), onScreen.copy(charts));
}

QTEST_MAIN(TestOpenFlow)
#include "tst_open_flow.moc"
