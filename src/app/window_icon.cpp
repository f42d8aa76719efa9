#include "app/window_icon.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <array>
#include <future>

namespace {

// Every size goes to the window manager with each window; a 128-pixel one would add two thirds
// to that and to the drawing, for task switchers, which mostly show the desktop entry's icon.
constexpr std::array iconSizes{16, 22, 24, 32, 48, 64};

std::vector<QImage> drawIconSizes()
{
    // No text in the icon, so no font is needed: safe beside the windows being built.
    QSvgRenderer renderer(QStringLiteral(":/icon128.svg"));
    std::vector<QImage> images;
    for (const int size : iconSizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        images.push_back(image);
    }
    return images;
}

// Serves the sizes drawn in the helper thread; a size between them is scaled from the next
// larger one.
class DrawnIconEngine : public QIconEngine {
public:
    explicit DrawnIconEngine(std::shared_future<std::vector<QImage>> images) : images_(std::move(images)) {}

    QIconEngine *clone() const override { return new DrawnIconEngine(images_); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int size : iconSizes)
            sizes.append(QSize(size, size));
        return sizes;
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const std::vector<QImage> &images = images_.get();
        const int wanted = std::min(size.width(), size.height());
        for (const QImage &image : images) {
            if (image.width() >= wanted || &image == &images.back()) {
                return QPixmap::fromImage(image.width() == wanted
                                              ? image
                                              : image.scaled(wanted, wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation));
            }
        }
        return {};
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

private:
    std::shared_future<std::vector<QImage>> images_;
};

} // namespace

QIcon programIcon()
{
    static const std::shared_future<std::vector<QImage>> images = std::async(std::launch::async, drawIconSizes).share();
    return QIcon(new DrawnIconEngine(images));
}
