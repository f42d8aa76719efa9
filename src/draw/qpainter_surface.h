#pragma once

#include "draw/font_matcher.h"
#include "draw/segment_stamps.h"
#include "draw/surface.h"

#include <QPen>
#include <QPoint>

#include <utility>
#include <vector>

class QColor;
class QPainter;

// The colour as Qt spells it.
QColor toQColor(Colour colour);

// The Surface on an active QPainter: a window, a QImage, a QSvgGenerator or a QPrinter page.
// The painter stays the caller's; the surface switches antialiasing off for lines and fills
// and starts like a fresh device context: black 1-unit pen, white solid brush, opaque
// background mode on white, black text, current position (0, 0).
//
// How the operations land in pixels:
// - A painter that enlarges (a window at a scale factor above 1) draws the unscaled picture
//   enlarged: a unit covers several pixels, fills and hatches cover whole units, and hairlines
//   run the length of their units, as many whole pixels wide as a unit holds (2 at a scale of
//   2, 1 at 1.5). Short wide segments are then stroked by QPainter, as on every target but a
//   plain image.
// - A pen of width 0 or 1 is a one-unit hairline, and lineTo leaves its end point out.
//   Wider pens are w units wide with round ends and joins, so successive segments meet
//   smoothly; their end caps are drawn. On an image that the painter writes straight into,
//   short wide segments are copied from SegmentStamps (the same pixels, far faster); the
//   painter's transform and clip must then stay as they were when the surface was made.
// - A Dash pen draws its strokes as the solid pen of its width would, always through QPainter.
//   A Hollow brush leaves the inside of a round rectangle as it was.
// - fillRect and the rectangle of roundRect cover left..right-1 and top..bottom-1; an empty or
//   inverted rectangle draws nothing.
// - A ForwardDiagonal brush draws "\" lines 8 units apart; in opaque mode the gaps take the
//   background colour, in transparent mode they show what lies below.
// - drawText clips to its rectangle (nothing for an empty one) and, in opaque mode, fills the
//   text's own box with the background colour. Left and right are absolute and the text runs
//   left to right, also where the application's layout runs right to left.
class QPainterSurface : public Surface {
public:
    // PainterOnly strokes every segment through QPainter: for tests that check the stamps.
    enum class WideLines { Stamped, PainterOnly };

    explicit QPainterSurface(QPainter &painter, WideLines wideLines = WideLines::Stamped);

    // Whether this painter's target takes stamped segments.
    bool stampsWideLines() const { return bool(raster_); }

    void selectPen(const Pen &pen) override;
    void selectBrush(const Brush &brush) override;
    void selectFont(const FontSpec &font) override;
    void setBackgroundMode(BackgroundMode mode) override;
    void setBackgroundColour(Colour colour) override;
    void setTextColour(Colour colour) override;

    void fillRect(const DeviceRect &rect, Colour colour) override;
    void fillRect(const DeviceRect &rect, const Brush &brush) override;

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;

    void roundRect(const DeviceRect &rect, int ellipseWidth, int ellipseHeight) override;
    void drawText(const DeviceRect &rect, const QString &text, TextAlign align) override;
    int textWidth(const QString &text) override;
    void drawImage(const DeviceRect &target, const QImage &image) override;

private:
    void applyLinePen();
    void drawHairline(QPoint from, QPoint to);
    bool drawStamped(QPoint from, QPoint to);
    QPen cachedQPen(const Pen &pen);
    void drawDashed(QPoint from, QPoint to);
    QRectF visibleArea() const;

    QPainter &painter_;
    double hairlineWidth_ = 0.0;   // in units where the painter enlarges, else 0 (cosmetic)
    FontMatcher fonts_;
    Pen pen_;
    QPen linePen_;
    std::vector<std::pair<Pen, QPen>> penCache_;
    bool painterHasLinePen_ = false;   // drawText borrows the painter's pen for its colour
    Brush brush_;
    FontSpec font_;
    bool fontSelected_ = false;
    Colour textColour_;
    QPoint position_;
    DirectRaster raster_;
};
