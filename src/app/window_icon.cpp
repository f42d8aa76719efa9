#include "app/window_icon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <array>

namespace {

// Every size goes to the window manager with each window; a 128-pixel one would add two thirds
// to that and to the drawing, for task switchers, which mostly show the desktop entry's icon.
constexpr std::array iconSizes{16, 22, 24, 32, 48, 64};

} // namespace

QIcon programIcon()
{
    QSvgRenderer renderer(QStringLiteral(":/icon128.svg"));
    QIcon icon;
    for (const int size : iconSizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
