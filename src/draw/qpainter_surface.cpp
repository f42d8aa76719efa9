#include "draw/qpainter_surface.h"

#include "draw/device_units.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

QColor toQColor(Colour colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

namespace {

QBrush toQBrush(const Brush &brush)
{
    switch (brush.style) {
    case BrushStyle::Solid:
        return QBrush(toQColor(brush.colour), Qt::SolidPattern);
    case BrushStyle::ForwardDiagonal:
        // Qt's forward diagonal runs from upper left to lower right, as the brush promises.
        return QBrush(toQColor(brush.colour), Qt::FDiagPattern);
    case BrushStyle::Hollow:
        return QBrush(Qt::NoBrush);
    }
    Q_UNREACHABLE();
}

// hairlineWidth: 0 for a cosmetic one-pixel hairline, else its width in units.
QPen toQPen(const Pen &pen, double hairlineWidth)
{
    if (pen.width <= 1) {
        if (hairlineWidth > 0)
            return QPen(toQColor(pen.colour), hairlineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        // Square caps make Qt draw both end points in either direction; lineTo then stops
        // one pixel short itself.
        QPen hairline(toQColor(pen.colour), 0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
        hairline.setCosmetic(true);
        return hairline;
    }
    return QPen(toQColor(pen.colour), pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The rectangle's pixels, right column and bottom row excluded.
QRect toQRect(const DeviceRect &rect)
{
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}

bool isEmpty(const DeviceRect &rect)
{
    // 64-bit, since data-driven rectangles may span the whole int range.
    return static_cast<long long>(rect.right) <= rect.left
        || static_cast<long long>(rect.bottom) <= rect.top;
}

Qt::Alignment toQtAlignment(TextAlign align)
{
    switch (align) {
    case TextAlign::Left:
        return Qt::AlignLeft;
    case TextAlign::Centre:
        return Qt::AlignHCenter;
    case TextAlign::Right:
        return Qt::AlignRight;
    }
    Q_UNREACHABLE();
}

// A painter that enlarges (a window at a scale factor above 1) gets the picture of an unscaled
// one, enlarged: hairlines and hatches grow with the unit instead of staying one device pixel.
// A hairline is as many whole pixels wide as a unit holds, so that at 1.5 every grid line is
// one sharp pixel rather than one or two by where it falls. A shrinking or turning painter
// keeps cosmetic hairlines (0), which cannot vanish.
double hairlineWidthFor(const QTransform &transform)
{
    const double scale = std::min(transform.m11(), transform.m22());
    if (transform.type() > QTransform::TxScale || scale <= 1.0)
        return 0.0;
    return std::floor(scale) / scale;
}

} // namespace

QPainterSurface::QPainterSurface(QPainter &painter, WideLines wideLines)
    : painter_(painter)
    , hairlineWidth_(hairlineWidthFor(painter.deviceTransform()))
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    if (hairlineWidth_ > 0)
        painter_.setRenderHint(QPainter::NonCosmeticBrushPatterns, true);
    if (wideLines == WideLines::Stamped)
        raster_ = DirectRaster::of(painter_);
    painter_.setBrushOrigin(0, 0);
    pen_ = {{0, 0, 0}, 1};
    linePen_ = toQPen(pen_, hairlineWidth_);
    applyLinePen();
    selectBrush({BrushStyle::Solid, {255, 255, 255}});
    setBackgroundMode(BackgroundMode::Opaque);
    setBackgroundColour({255, 255, 255});
    textColour_ = {0, 0, 0};
}

void QPainterSurface::applyLinePen()
{
    painter_.setPen(linePen_);
    painterHasLinePen_ = true;
}

void QPainterSurface::selectPen(const Pen &pen)
{
    // The charts select a pen for every segment; only a real change reaches the painter.
    if (pen == pen_ && painterHasLinePen_)
        return;
    if (!(pen == pen_))
        linePen_ = cachedQPen(pen);
    pen_ = pen;
    applyLinePen();
}

// The curves alternate between two pens at every sample; building a QPen each time costs an
// allocation, so the few pens of a drawing are kept.
QPen QPainterSurface::cachedQPen(const Pen &pen)
{
    for (const auto &[key, made] : penCache_) {
        if (key == pen)
            return made;
    }
    if (penCache_.size() >= 16)
        penCache_.erase(penCache_.begin());
    penCache_.emplace_back(pen, toQPen(pen, hairlineWidth_));
    return penCache_.back().second;
}

void QPainterSurface::selectBrush(const Brush &brush)
{
    brush_ = brush;
    painter_.setBrush(toQBrush(brush));
}

void QPainterSurface::selectFont(const FontSpec &font)
{
    if (fontSelected_ && font == font_)
        return;
    font_ = font;
    fontSelected_ = true;
    painter_.setFont(fonts_.match(font));
}

void QPainterSurface::setBackgroundMode(BackgroundMode mode)
{
    switch (mode) {
    case BackgroundMode::Transparent:
        painter_.setBackgroundMode(Qt::TransparentMode);
        return;
    case BackgroundMode::Opaque:
        painter_.setBackgroundMode(Qt::OpaqueMode);
        return;
    }
    Q_UNREACHABLE();
}

void QPainterSurface::setBackgroundColour(Colour colour)
{
    painter_.setBackground(QBrush(toQColor(colour)));
}

void QPainterSurface::setTextColour(Colour colour)
{
    textColour_ = colour;
}

void QPainterSurface::fillRect(const DeviceRect &rect, Colour colour)
{
    if (isEmpty(rect))
        return;
    painter_.fillRect(toQRect(rect), toQColor(colour));
}

void QPainterSurface::fillRect(const DeviceRect &rect, const Brush &brush)
{
    if (isEmpty(rect))
        return;
    painter_.fillRect(toQRect(rect), toQBrush(brush));
}

void QPainterSurface::moveTo(int x, int y)
{
    position_ = QPoint(x, y);
}

void QPainterSurface::lineTo(int x, int y)
{
    if (!painterHasLinePen_)
        applyLinePen();
    const QPoint to(x, y);
    if (pen_.style == PenStyle::Dash)
        drawDashed(position_, to);
    else if (pen_.width <= 1)
        drawHairline(position_, to);
    else if (!drawStamped(position_, to))
        painter_.drawLine(position_, to);
    position_ = to;
}

bool QPainterSurface::drawStamped(QPoint from, QPoint to)
{
    if (!raster_)
        return false;
    // One cache for every surface of the thread, so a repaint finds the shapes made before.
    thread_local SegmentStamps stamps;
    const std::vector<StampSpan> *spans =
        stamps.find(qint64(to.x()) - from.x(), qint64(to.y()) - from.y(), linePen_);
    if (!spans)
        return false;
    raster_.fill(*spans, from.x(), from.y(), linePen_.color().rgb());
    return true;
}

// The hairline's last pixel is the one before `to` along the major axis; the minor axis
// follows in proportion, which is exact for the level, plumb and 45-degree lines of the charts.
void QPainterSurface::drawHairline(QPoint from, QPoint to)
{
    const qint64 dx = qint64(to.x()) - from.x();
    const qint64 dy = qint64(to.y()) - from.y();
    if (dx == 0 && dy == 0)
        return;
    const bool xMajor = qAbs(dx) >= qAbs(dy);
    const qint64 major = xMajor ? dx : dy;
    const qint64 minor = xMajor ? dy : dx;
    const qint64 majorStep = major > 0 ? 1 : -1;
    const qint64 minorStep = qRound64(double(minor) / double(qAbs(major)));
    const qint64 lastX = to.x() - (xMajor ? majorStep : minorStep);
    const qint64 lastY = to.y() - (xMajor ? minorStep : majorStep);
    if (hairlineWidth_ > 0) {
        // Through the middle of its units, from the near edge of the first to the far edge of
        // the last, so that it covers them whole along its length.
        const QPointF half = QPointF(double(dx), double(dy)) / (2.0 * double(qAbs(major)));
        const QPointF middle(0.5, 0.5);
        painter_.drawLine(QLineF(QPointF(from) + middle - half,
                                 QPointF(double(lastX), double(lastY)) + middle + half));
    } else if (lastX == from.x() && lastY == from.y()) {
        painter_.drawPoint(from);   // Qt draws nothing for a line of length zero
    } else {
        painter_.drawLine(QLineF(from, QPointF(double(lastX), double(lastY))));
    }
}

// The dashes are cut here rather than by QPainter, which would start its pattern afresh at every
// segment: a curve of many short segments would then show no gaps at all. Laid along x, the
// pattern also shows on a jagged curve, whose length along its path grows with every jag.
void QPainterSurface::drawDashed(QPoint from, QPoint to)
{
    const double unit = std::max(pen_.width, 1);
    const double dash = 4 * unit;
    const double period = 7 * unit;
    const QPointF start(from);
    const QPointF delta = QPointF(to) - start;
    // Through the middle of its units where the painter enlarges, as a solid hairline.
    const QPointF offset = hairlineWidth_ > 0 && pen_.width <= 1 ? QPointF(0.5, 0.5) : QPointF();
    const auto inDash = [&](double x) { return x - period * std::floor(x / period) < dash; };
    if (delta.x() == 0.0) {
        if (inDash(start.x()) && delta.y() != 0.0)
            painter_.drawLine(QLineF(start + offset, QPointF(to) + offset));
        return;
    }
    // Only the part that can show is cut into dashes: towards a point billions of units away
    // the loop below would otherwise run for minutes. The pattern stays where it was.
    QPointF shownFrom = start;
    QPointF shownTo = to;
    if (!clipLine(visibleArea().adjusted(-period, -period, period, period), shownFrom, shownTo))
        return;
    // From the lower x to the higher one, a dash or gap at a time.
    const double low = std::min(shownFrom.x(), shownTo.x());
    const double high = std::max(shownFrom.x(), shownTo.x());
    const auto pointAt = [&](double x) { return start + offset + delta * ((x - start.x()) / delta.x()); };
    double x = low;
    while (x < high) {
        const double periodStart = period * std::floor(x / period);
        const double dashEnd = periodStart + dash;
        if (x < dashEnd) {
            const double stop = std::min(high, dashEnd);
            painter_.drawLine(QLineF(pointAt(x), pointAt(stop)));
            x = stop;
        } else {
            x = periodStart + period;
        }
    }
}

// The painter's target in the coordinates the surface is given: its window brought back
// through the world transform, within the clip when there is one.
QRectF QPainterSurface::visibleArea() const
{
    QRectF area = painter_.worldTransform().inverted().mapRect(QRectF(painter_.window()));
    if (painter_.hasClipping())
        area &= painter_.clipBoundingRect();
    return area;
}

void QPainterSurface::roundRect(const DeviceRect &rect, int ellipseWidth, int ellipseHeight)
{
    if (isEmpty(rect))
        return;
    if (!painterHasLinePen_)
        applyLinePen();
    // Qt outlines a rectangle one unit past its width; one less keeps the outline inside.
    QRectF outline(rect.left, rect.top, rect.width() - 1.0, rect.height() - 1.0);
    if (hairlineWidth_ > 0 && pen_.width <= 1)
        outline.translate(0.5, 0.5);   // through the middle of its units, as a hairline
    painter_.drawRoundedRect(outline, ellipseWidth / 2.0, ellipseHeight / 2.0, Qt::AbsoluteSize);
}

void QPainterSurface::drawText(const DeviceRect &rect, const QString &text, TextAlign align)
{
    if (isEmpty(rect) || text.isEmpty())
        return;
    if (!fontSelected_)
        selectFont({QStringLiteral("Arial"), 0, 0, 400, FontPitchFamily::SansSerif});
    painter_.setPen(toQColor(textColour_));
    painterHasLinePen_ = false;
    // Qt clips the text to the rectangle whenever it does not fit. The alignment is the one
    // asked for and numbers read left to right ("-30"), whatever the layout direction.
    painter_.drawText(toQRect(rect),
                      Qt::TextSingleLine | Qt::TextForceLeftToRight | Qt::AlignVCenter
                          | toQtAlignment(align),
                      text);
}

int QPainterSurface::textWidth(const QString &text)
{
    if (!fontSelected_)
        selectFont({QStringLiteral("Arial"), 0, 0, 400, FontPitchFamily::SansSerif});
    // Measured for the painter's device, so a printer's resolution gives its own advances.
    return QFontMetrics(painter_.font(), painter_.device()).horizontalAdvance(text);
}

void QPainterSurface::drawImage(const DeviceRect &target, const QImage &image)
{
    if (isEmpty(target))
        return;
    painter_.drawImage(toQRect(target), image);
}
