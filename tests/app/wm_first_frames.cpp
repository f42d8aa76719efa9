// The viewer's first second as a person sees it (run by with_window_manager.sh): the screen is
// grabbed every 15 ms while the program starts, and no picture may show a window before it is
// drawn (the desk, or black, through it), charts without their data or at another size. Every
// picture must be the desk before the start or the settled end, but for the title bar, which
// the window manager recolours when the window becomes active.
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

struct Frame {
    QImage picture;
    qint64 grabbedMs = 0;   // since the start
};

// Each picture of the screen that differs from the one before, the first and last included.
std::vector<Frame> grabWhileStarting(const QStringList &arguments, const QString &workingDirectory)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const auto grab = [screen] { return screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32); };
    std::vector<Frame> frames{{grab(), 0}};
    QProcess viewer;
    viewer.setWorkingDirectory(workingDirectory);
    viewer.start(QStringLiteral(VELKVIEW_BINARY), arguments);
    QElapsedTimer running;
    running.start();
    constexpr int everyMs = 15;
    while (running.elapsed() < 2500) {
        const qint64 next = (running.elapsed() / everyMs + 1) * everyMs;
        QImage frame = grab();
        if (frame != frames.back().picture)
            frames.push_back({std::move(frame), running.elapsed()});
        QTest::qSleep(int(std::max<qint64>(0, next - running.elapsed())));
    }
    viewer.kill();
    viewer.waitForFinished();
    return frames;
}

struct Differences {
    qsizetype undrawn = 0;   // the desk still shows where the end has a window
    qsizetype wrong = 0;     // neither desk nor end: black, empty charts, another size
};

// frame against the desk and the end, below the window's title bar: the bar is the top
// captionRows rows of where the end differs from the desk (one window in each case here), and
// the window manager recolours it when the window becomes active.
Differences differences(const QImage &frame, const QImage &desk, const QImage &end)
{
    constexpr int captionRows = 30;
    int windowTop = -1;
    for (int y = 0; y < end.height() && windowTop < 0; ++y) {
        if (std::memcmp(end.constScanLine(y), desk.constScanLine(y), size_t(end.bytesPerLine())) != 0)
            windowTop = y;
    }
    Differences found;
    for (int y = std::max(0, windowTop + captionRows); y < frame.height(); ++y) {
        const auto *f = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
        const auto *d = reinterpret_cast<const QRgb *>(desk.constScanLine(y));
        const auto *e = reinterpret_cast<const QRgb *>(end.constScanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            if (f[x] == e[x])
                continue;
            if (f[x] == d[x])
                ++found.undrawn;
            else
                ++found.wrong;
        }
    }
    return found;
}

} // namespace

class TestFirstFrames : public QObject {
    Q_OBJECT

private slots:
    void everyPictureIsDrawn_data();
    void everyPictureIsDrawn();
};

void TestFirstFrames::everyPictureIsDrawn_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("a measurement given") << QStringList{QStringLiteral(VELKVIEW_SOURCE_DIR "/examples/demo_amp.txt")};
    QTest::newRow("the main window alone") << QStringList{};
}

void TestFirstFrames::everyPictureIsDrawn()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir workingDirectory;
    const std::vector<Frame> frames = grabWhileStarting(arguments, workingDirectory.path());
    QVERIFY2(frames.size() >= 2, "the viewer showed nothing");
    const QImage &desk = frames.front().picture;
    const QImage &end = frames.back().picture;
    // Between a window's mapping and its first picture X shows what lay beneath; without a
    // compositor no program avoids that, so a short moment of it is let pass (a busy machine
    // stretches it), but nothing like the fifth of a second a slow first paint takes.
    constexpr qint64 undrawnLimitMs = 100;
    qint64 undrawnSince = -1;
    for (size_t i = 1; i + 1 < frames.size(); ++i) {
        if (frames[i].picture == desk)
            continue;
        const Differences found = differences(frames[i].picture, desk, end);
        if (found.undrawn == 0)
            undrawnSince = -1;
        else if (undrawnSince < 0)
            undrawnSince = frames[i].grabbedMs;
        const qint64 undrawnMs = undrawnSince < 0 ? 0 : frames[i + 1].grabbedMs - undrawnSince;
        if (found.wrong > 0 || undrawnMs > undrawnLimitMs) {
            const QString saved = QDir::temp().filePath(QStringLiteral("velkview-frame-%1.png").arg(i));
            frames[i].picture.save(saved);
            QFAIL(qPrintable(QStringLiteral("picture %1 of %2: %3 pixels wrong, %4 not drawn (for %5 ms): %6")
                                 .arg(i).arg(frames.size()).arg(found.wrong).arg(found.undrawn).arg(undrawnMs).arg(saved)));
        }
    }
}

QTEST_MAIN(TestFirstFrames)
#include "wm_first_frames.moc"
