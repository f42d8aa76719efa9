#pragma once

#include "draw/surface.h"

#include <QList>
#include <QString>

#include <vector>

// A Surface that draws nothing and records every call in order, with the tools current at the
// time, so tests can check geometry, tools and drawing order exactly.
//
// Each record holds the kind of call, its arguments and a snapshot of the state the call
// would draw with (pen, brush, font, background mode and colour, text colour). Selecting a
// tool or setting a mode is recorded too, so tests can also check what a routine leaves
// selected. lineTo records the segment from the current position.
//
//     RecordingSurface surface;
//     drawSomething(surface);
//     QCOMPARE(surface.linesWith(pen).size(), 13);
//     QCOMPARE(surface.texts().first(), QStringLiteral("0%"));
class RecordingSurface : public Surface {
public:
    enum class Kind {
        SelectPen,
        SelectBrush,
        SelectFont,
        SetBackgroundMode,
        SetBackgroundColour,
        SetTextColour,
        FillRectColour,
        FillRectBrush,
        MoveTo,
        LineTo,
        RoundRect,
        DrawText,
        DrawImage,
    };

    struct Record {
        Kind kind = Kind::MoveTo;
        // Points: MoveTo (x1, y1); LineTo from (x1, y1) to (x2, y2).
        int x1 = 0;
        int y1 = 0;
        int x2 = 0;
        int y2 = 0;
        // FillRect*, RoundRect, DrawText, DrawImage: the rectangle.
        DeviceRect rect;
        // RoundRect: the corner ellipse.
        int ellipseWidth = 0;
        int ellipseHeight = 0;
        // FillRectColour: the colour; SetBackgroundColour, SetTextColour: the colour set.
        Colour colour;
        // FillRectBrush: the brush filled with.
        Brush fillBrush;
        QString text;
        TextAlign align = TextAlign::Left;
        QSize imageSize;
        // The state when the call was made (after it, for the select and set calls).
        Pen pen;
        Brush brush;
        FontSpec font;
        BackgroundMode backgroundMode = BackgroundMode::Opaque;
        Colour backgroundColour{255, 255, 255};
        Colour textColour{0, 0, 0};
    };

    // A segment drawn by lineTo, with the pen it was drawn with.
    struct Line {
        int x1 = 0;
        int y1 = 0;
        int x2 = 0;
        int y2 = 0;
        Pen pen;
        friend bool operator==(const Line &, const Line &) = default;
    };

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
    void drawImage(const DeviceRect &target, const QImage &image) override;
    // A font-free measure, so layouts that depend on text widths can be worked by hand: every
    // character is as wide as the current font's requested average width (its absolute value).
    int textWidth(const QString &text) override;

    // Every call so far, in order.
    const std::vector<Record> &records() const { return records_; }
    // The calls of one kind, in order.
    std::vector<Record> recordsOf(Kind kind) const;
    // Every segment drawn by lineTo, in order.
    std::vector<Line> lines() const;
    // The segments drawn with exactly this pen, in order.
    std::vector<Line> linesWith(const Pen &pen) const;
    // The texts drawn, in order.
    QList<QString> texts() const;
    // The drawText record of the first text equal to text; a default record (empty text) if
    // none was drawn.
    Record textRecord(const QString &text) const;
    // The current state, as the next call would see it.
    const Record &state() const { return state_; }
    void clear();

private:
    Record &append(Kind kind);

    std::vector<Record> records_;
    Record state_;
};
