// The floor for the open-to-picture figure: a minimal Qt program that shows one 1280 x 1000
// widget and ends the moment its first paint has finished.

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

class Canvas : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(240, 240, 240));
        painter.drawLine(0, 0, width(), height());
        painter.end();
        // Ends the moment the first paint has finished, as the viewer does for this figure.
        std::fflush(nullptr);
        std::_Exit(0);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Canvas canvas;
    canvas.resize(1280, 1000);
    canvas.show();
    return app.exec();
}
