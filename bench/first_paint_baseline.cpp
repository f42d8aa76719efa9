// The floor for the open-to-picture figure: a minimal Qt program that shows one 1280 x 1000
// widget and ends once its first paint has finished.

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class Canvas : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(240, 240, 240));
        painter.drawLine(0, 0, width(), height());
        if (!painted_) {
            painted_ = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
    }

private:
    bool painted_ = false;
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
