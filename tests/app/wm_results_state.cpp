// The results window's state under a real window manager (run by with_window_manager.sh): the
// manager, not Qt, decides whether a window is maximised, and some forget it on hide and show.
#include "app/main_window.h"
#include "doubles/scripted_dialogs.h"
#include "results/results_window.h"

#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

class TestResultsStateUnderWindowManager : public QObject {
    Q_OBJECT

private slots:
    void staysMaximisedAndOnScreen();

private:
    // Waits until the manager has answered and nothing moves any more.
    static bool settledMaximised(const MainWindow &window)
    {
        if (!QTest::qWaitFor([&window] { return window.resultsWindow() && window.resultsWindow()->isMaximized(); }, 3000))
            return false;
        QTest::qWait(250);
        return window.resultsWindow()->isMaximized() && !window.resultsWindow()->isFullScreen();
    }
    static bool fitsTheScreen(const MainWindow &window)
    {
        const ResultsWindow *resultsWindow = window.resultsWindow();
        const QRect room = resultsWindow->screen()->availableGeometry();
        const QPushButton *close = resultsWindow->closeButton();
        return resultsWindow->width() <= room.width() && resultsWindow->height() <= room.height()
            && close->geometry().bottom() < resultsWindow->height()
            && close->geometry().right() < resultsWindow->width();
    }
};

void TestResultsStateUnderWindowManager::staysMaximisedAndOnScreen()
{
    QTemporaryDir workingDirectory;
    ScriptedDialogs dialogs;
    MainWindow window(dialogs, 0, workingDirectory.path());
    window.show();
    const QString example = QStringLiteral(VELKVIEW_SOURCE_DIR "/examples/demo_amp.txt");
    // Opening again (Ctrl+O, a drop, a recent file) and reading again (F5), ten times each.
    for (int round = 0; round < 10; ++round) {
        window.openChosenPath(example);
        QVERIFY2(settledMaximised(window), qPrintable(QStringLiteral("open %1").arg(round + 1)));
        QVERIFY(fitsTheScreen(window));
        window.reloadShown();
        QVERIFY2(settledMaximised(window), qPrintable(QStringLiteral("read again %1").arg(round + 1)));
    }
    QVERIFY(dialogs.errors.isEmpty());

    // F11 twice returns exactly to the state and size before.
    const QSize before = window.resultsWindow()->size();
    for (int round = 0; round < 2; ++round) {
        window.resultsWindow()->toggleFullScreen();
        QVERIFY(QTest::qWaitFor([&window] { return window.resultsWindow()->isFullScreen(); }, 3000));
        window.resultsWindow()->toggleFullScreen();
        QVERIFY(settledMaximised(window));
        QCOMPARE(window.resultsWindow()->size(), before);
        QVERIFY(fitsTheScreen(window));
    }
}

QTEST_MAIN(TestResultsStateUnderWindowManager)
#include "wm_results_state.moc"
