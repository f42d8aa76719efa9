#include "draw/segment_stamps.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

std::vector<StampSpan> strokeShape(int dx, int dy, const QPen &pen)
{
    const int margin = pen.width() + 2;
    const int originX = margin + std::max(0, -dx);
    const int originY = margin + std::max(0, -dy);
    QImage image(std::abs(dx) + 2 * margin + 1, std::abs(dy) + 2 * margin + 1,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(0);
    {
        // The caller's own pen on the same engine; only its colour differs from any non-zero.
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        QPen opaque = pen;
        opaque.setColor(Qt::black);
        painter.setPen(opaque);
        painter.drawLine(QPoint(originX, originY), QPoint(originX + dx, originY + dy));
    }
    std::vector<StampSpan> spans;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const std::uint32_t *>(image.constScanLine(y));
        for (int x = 0; x < image.width();) {
            if (row[x] == 0) {
                ++x;
                continue;
            }
            const int left = x;
            while (x < image.width() && row[x] != 0)
                ++x;
            spans.push_back({y - originY, left - originX, x - originX});
        }
    }
    return spans;
}

} // namespace

const std::vector<StampSpan> *SegmentStamps::find(qint64 dx, qint64 dy, const QPen &pen)
{
    const int width = pen.width();
    if (qAbs(dx) > maxReach || qAbs(dy) > maxReach || width < 2 || width > maxWidth)
        return nullptr;
    const std::uint64_t key = (std::uint64_t(width) << 32) | (std::uint64_t(dx + 0x8000) << 16)
        | std::uint64_t(dy + 0x8000);
    auto found = shapes_.find(key);
    if (found == shapes_.end()) {
        // Wild data can ask for every offset; a curve needs a few hundred shapes.
        if (shapes_.size() >= 4096)
            shapes_.clear();
        found = shapes_.emplace(key, strokeShape(int(dx), int(dy), pen)).first;
    }
    return &found->second;
}

DirectRaster DirectRaster::of(QPainter &painter)
{
    QPaintEngine *engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || !engine->paintDevice()
        || engine->paintDevice()->devType() != QInternal::Image)
        return {};
    // A widget's painter writes into its window's backing store, which is this image.
    auto *image = static_cast<QImage *>(engine->paintDevice());
    switch (image->format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        break;
    default:
        return {};
    }
    const QTransform transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxTranslate || transform.dx() != std::trunc(transform.dx())
        || transform.dy() != std::trunc(transform.dy()) || std::abs(transform.dx()) > 1e6
        || std::abs(transform.dy()) > 1e6)
        return {};
    if (painter.hasClipping() || painter.opacity() != 1.0
        || painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return {};
    QRect bounds = image->rect();
    // The system clip (the exposed part of a window) is in device pixels.
    const QRegion exposed = engine->systemClip();
    if (!exposed.isEmpty()) {
        if (exposed.rectCount() != 1)
            return {};
        bounds &= exposed.boundingRect();
    }
    DirectRaster raster;
    // The engine writes into these very pixels; bits() could detach a shared image instead.
    raster.pixels = reinterpret_cast<std::uint32_t *>(const_cast<uchar *>(image->constBits()));
    raster.stride = image->bytesPerLine() / 4;
    raster.offset = QPoint(int(transform.dx()), int(transform.dy()));
    raster.bounds = bounds;
    return raster;
}

void DirectRaster::fill(const std::vector<StampSpan> &spans, std::int64_t x, std::int64_t y,
                        std::uint32_t argb) const
{
    const std::int64_t originX = x + offset.x();
    const std::int64_t originY = y + offset.y();
    for (const StampSpan &span : spans) {
        const std::int64_t row = originY + span.y;
        if (row < bounds.top() || row > bounds.bottom())
            continue;
        const std::int64_t left = std::max<std::int64_t>(originX + span.left, bounds.left());
        const std::int64_t right = std::min<std::int64_t>(originX + span.right, bounds.right() + 1);
        if (left < right)
            std::fill(pixels + row * stride + left, pixels + row * stride + right, argb);
    }
}
