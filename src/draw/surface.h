#pragma once

#include <QImage>
#include <QString>

// The drawing operations the charts and the printed report need. Coordinates are integer
// device units (screen pixels, printer dots), y grows downwards, and a rectangle excludes
// its right column and bottom row. Tools are plain values: selecting one makes it current
// until another of its kind is selected.

struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Colour &, const Colour &) = default;
};

struct DeviceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const DeviceRect &, const DeviceRect &) = default;
};

// Dash: strokes 4 widths (4 units for a hairline) across with gaps of 3, laid along x from
// x = 0, so the segments of a curve continue one pattern and its gaps show however jagged it is.
// A plumb segment is drawn whole or not at all, as its x falls.
enum class PenStyle { Solid, Dash };

// A pen; width in device units (0 draws as 1).
struct Pen {
    Colour colour;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    friend bool operator==(const Pen &, const Pen &) = default;
};

enum class BrushStyle { Solid, ForwardDiagonal, Hollow };

// ForwardDiagonal: 45-degree lines from upper left to lower right in the brush colour; the
// gaps show the background colour when the background mode is opaque. Hollow fills nothing.
struct Brush {
    BrushStyle style = BrushStyle::Solid;
    Colour colour;
    friend bool operator==(const Brush &, const Brush &) = default;
};

enum class FontPitchFamily { SansSerif = 0x20, Modern = 0x30 };

// A font request. A negative height is the character (em) height in device units, a negative
// width the average character width; the painter stretches the face to meet both.
struct FontSpec {
    QString face;
    int height = 0;
    int width = 0;
    int weight = 400;
    FontPitchFamily pitchAndFamily = FontPitchFamily::SansSerif;
    friend bool operator==(const FontSpec &, const FontSpec &) = default;
};

enum class BackgroundMode { Transparent, Opaque };
enum class TextAlign { Left, Centre, Right };

class Surface {
public:
    virtual ~Surface() = default;

    virtual void selectPen(const Pen &pen) = 0;
    virtual void selectBrush(const Brush &brush) = 0;
    virtual void selectFont(const FontSpec &font) = 0;
    virtual void setBackgroundMode(BackgroundMode mode) = 0;
    virtual void setBackgroundColour(Colour colour) = 0;
    virtual void setTextColour(Colour colour) = 0;

    // Fills the rectangle without an outline; an empty or inverted rectangle draws nothing.
    // Neither changes the background colour: a caller that wants the filled colour behind
    // later hatches or text sets it itself.
    virtual void fillRect(const DeviceRect &rect, Colour colour) = 0;
    virtual void fillRect(const DeviceRect &rect, const Brush &brush) = 0;

    // Line from the current position to (x, y) with the current pen; the end point itself is
    // not drawn, and it becomes the current position.
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;

    // Rounded rectangle outlined with the current pen, filled with the current brush; the
    // corners are quarter ellipses of ellipseWidth x ellipseHeight.
    virtual void roundRect(const DeviceRect &rect, int ellipseWidth, int ellipseHeight) = 0;

    // One line of text in the current font and text colour, vertically centred, clipped to
    // the rectangle; drawn on the background colour when the background mode is opaque.
    virtual void drawText(const DeviceRect &rect, const QString &text, TextAlign align) = 0;
    // The advance width of text in the current font, in device units.
    virtual int textWidth(const QString &text) = 0;

    // Stretches the whole image onto the rectangle.
    virtual void drawImage(const DeviceRect &target, const QImage &image) = 0;
};
