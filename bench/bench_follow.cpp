// Following a folder: from the moment the station closes a measurement's last file to the end
// of the results window's paint that shows it. A writer thread writes each pair in pieces, as
// the station does, and waits for the picture before the next one. The figure is the settle
// time plus what the viewer adds: the median and the largest of 50 measurements.

#include "app/main_window.h"
#include "measurement_files.h"
#include "results/results_window.h"
#include "ui/modal_dialogs.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// One revolution of 720 samples, as the station writes it.
QByteArray amplitudeText()
{
    QByteArray text;
    for (int line = 0; line < 720; ++line)
        appendMeasurementLine(text, line, 720);
    return text;
}

void writeInPieces(const QString &path, const QByteArray &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    const qsizetype step = text.size() / 8 + 1;
    for (qsizetype at = 0; at < text.size(); at += step) {
        file.write(text.mid(at, step));
        file.flush();
    }
}

// Notes when the results window has finished painting a measurement, and which one.
class PaintClock : public QObject {
public:
    std::atomic<Clock::rep> paintedAt{0};
    QString paintedTitle;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *results = qobject_cast<ResultsWindow *>(watched);
        if (event->type() != QEvent::Paint || !results)
            return false;
        watched->event(event);
        paintedTitle = results->files().ampFileTitle;
        paintedAt = Clock::now().time_since_epoch().count();
        return true;
    }
};

void BM_ClosedToPicture(benchmark::State &state)
{
    const int settleMs = int(state.range(0));
    QTemporaryDir dir;
    QtModalDialogs dialogs;
    MainWindow window(dialogs, 0, dir.path());
    window.show();
    PaintClock clock;
    QApplication::instance()->installEventFilter(&clock);
    if (!window.followFolder(dir.path(), settleMs)) {
        state.SkipWithError("cannot follow the folder");
        return;
    }
    const QByteArray amplitude = amplitudeText();
    std::vector<double> latencies;
    int k = 0;
    for (auto _ : state) {
        const QString base = dir.filePath(QStringLiteral("bearing%1").arg(++k, 4, 10, QLatin1Char('0')));
        const QString title = QStringLiteral("bearing%1_amp.txt").arg(k, 4, 10, QLatin1Char('0'));
        std::atomic<Clock::rep> closedAt{0};
        std::thread station([&] {
            writeInPieces(base + QStringLiteral("_amp.txt"), amplitude);
            writeInPieces(base + QStringLiteral("_ref.txt"), "1\t0\t0\t0\t0\t0\t150\t10\t0\t-10\n");
            closedAt = Clock::now().time_since_epoch().count();
        });
        const auto deadline = Clock::now() + std::chrono::milliseconds(settleMs + 10000);
        while (clock.paintedTitle != title && Clock::now() < deadline)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        station.join();
        if (clock.paintedTitle != title) {
            state.SkipWithError("the measurement was not shown");
            break;
        }
        const double seconds = std::chrono::duration<double>(Clock::duration(clock.paintedAt - closedAt)).count();
        latencies.push_back(seconds * 1000.0);
        state.SetIterationTime(seconds);
    }
    if (latencies.empty())
        return;
    std::sort(latencies.begin(), latencies.end());
    state.counters["median_ms"] = latencies[latencies.size() / 2];
    state.counters["max_ms"] = latencies.back();
    state.counters["median_over_settle_ms"] = latencies[latencies.size() / 2] - settleMs;
    state.counters["max_over_settle_ms"] = latencies.back() - settleMs;
}

BENCHMARK(BM_ClosedToPicture)->Arg(1000)->Arg(250)->Iterations(50)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
