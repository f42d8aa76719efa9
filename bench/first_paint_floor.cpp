// The fair floor for the open-to-picture figure: the least a Qt program does for the viewer's
// first picture. It shows a small main window with a label and a button, then reads the
// amplitude file with QFile and shows a maximised window that paints what the results window
// paints (hatched bands, grid, two curves, about fifty axis labels, two titles), and it ends
// the moment that first paint has finished.

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Sample {
    double angle;
    double first;
    double second;
};

// Columns 2 to 4 of each line: angle and two curves, as the amplitude file holds them.
std::vector<Sample> readSamples(const QString &path)
{
    std::vector<Sample> samples;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return samples;
    const QByteArray bytes = file.readAll();
    for (const QByteArray &line : bytes.split('\n')) {
        const QList<QByteArray> columns = line.simplified().split(' ');
        if (columns.size() >= 4)
            samples.push_back({columns[1].toDouble(), columns[2].toDouble(), columns[3].toDouble()});
    }
    return samples;
}

class Charts : public QWidget {
public:
    explicit Charts(std::vector<Sample> samples)
        : samples_(std::move(samples))
    {
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(240, 240, 240));
        const int w = width();
        const int h = height();
        paintChart(painter, QRect(w / 50 + 30, h / 30, w - 45 - w / 50 - w / 40, h / 2 - h / 30 - h / 20),
                   QStringLiteral("Amplitude"), 12, true);
        paintChart(painter, QRect(w / 50 + 30, h / 2 + h / 30, w - 45 - w / 50 - w / 40, h / 2 - h / 30 - h / 10),
                   QStringLiteral("Reference marks"), 20, false);
        painter.end();
        std::fflush(nullptr);
        std::_Exit(0);
    }

private:
    void paintChart(QPainter &painter, const QRect &plot, const QString &title, int rows, bool bands)
    {
        painter.setFont(QFont(QStringLiteral("Arial"), 14));
        painter.setPen(Qt::black);
        painter.drawText(plot.left(), plot.top() - 4, title);
        painter.fillRect(plot, bands ? QColor(128, 128, 128) : Qt::white);
        if (bands)
            painter.fillRect(plot, QBrush(QColor(220, 220, 220), Qt::FDiagPattern));
        QFont label(QStringLiteral("Arial"));
        label.setPixelSize(8);
        painter.setFont(label);
        for (int row = 0; row <= rows; ++row) {
            const int y = plot.top() + plot.height() * row / rows;
            painter.drawLine(plot.left(), y, plot.right(), y);
            painter.drawText(QRect(0, y - 6, plot.left() - 4, 12), Qt::AlignRight | Qt::AlignVCenter,
                             QString::number(120 - 10 * row));
        }
        for (int column = 0; column <= 8; ++column) {
            const int x = plot.left() + plot.width() * column / 8;
            painter.drawLine(x, plot.top(), x, plot.bottom());
            painter.drawText(QRect(x - 20, plot.bottom() + 2, 40, 12), Qt::AlignCenter,
                             QString::number(45 * column) + QChar(0x00B0));
        }
        for (const auto member : {&Sample::first, &Sample::second}) {
            QPainterPath path;
            for (const Sample &sample : samples_) {
                const QPointF point(plot.left() + plot.width() * sample.angle / 360.0,
                                    plot.bottom() - plot.height() * sample.*member / 120.0);
                path.isEmpty() ? path.moveTo(point) : path.lineTo(point);
            }
            painter.setPen(QPen(member == &Sample::first ? Qt::white : QColor(224, 224, 32), 2));
            painter.drawPath(path);
        }
        painter.setPen(Qt::black);
    }

    std::vector<Sample> samples_;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QWidget main;
    auto *layout = new QVBoxLayout(&main);
    layout->addWidget(new QLabel(QStringLiteral("Open a measurement")));
    layout->addWidget(new QPushButton(QStringLiteral("Open file")));
    main.show();
    std::unique_ptr<Charts> charts;
    const QString path = QString::fromLocal8Bit(argv[1]);
    QTimer::singleShot(0, &main, [&] {
        charts = std::make_unique<Charts>(readSamples(path));
        charts->showMaximized();
    });
    return app.exec();
}
