#include "recording_surface.h"

RecordingSurface::Record &RecordingSurface::append(Kind kind)
{
    Record record = state_;
    record.kind = kind;
    records_.push_back(record);
    return records_.back();
}

void RecordingSurface::selectPen(const Pen &pen)
{
    state_.pen = pen;
    append(Kind::SelectPen);
}

void RecordingSurface::selectBrush(const Brush &brush)
{
    state_.brush = brush;
    append(Kind::SelectBrush);
}

void RecordingSurface::selectFont(const FontSpec &font)
{
    state_.font = font;
    append(Kind::SelectFont);
}

void RecordingSurface::setBackgroundMode(BackgroundMode mode)
{
    state_.backgroundMode = mode;
    append(Kind::SetBackgroundMode);
}

void RecordingSurface::setBackgroundColour(Colour colour)
{
    state_.backgroundColour = colour;
    append(Kind::SetBackgroundColour).colour = colour;
}

void RecordingSurface::setTextColour(Colour colour)
{
    state_.textColour = colour;
    append(Kind::SetTextColour).colour = colour;
}

void RecordingSurface::fillRect(const DeviceRect &rect, Colour colour)
{
    Record &record = append(Kind::FillRectColour);
    record.rect = rect;
    record.colour = colour;
}

void RecordingSurface::fillRect(const DeviceRect &rect, const Brush &brush)
{
    Record &record = append(Kind::FillRectBrush);
    record.rect = rect;
    record.fillBrush = brush;
}

void RecordingSurface::moveTo(int x, int y)
{
    state_.x1 = x;
    state_.y1 = y;
    append(Kind::MoveTo);
}

void RecordingSurface::lineTo(int x, int y)
{
    Record &record = append(Kind::LineTo);
    record.x2 = x;
    record.y2 = y;
    state_.x1 = x;
    state_.y1 = y;
}

void RecordingSurface::roundRect(const DeviceRect &rect, int ellipseWidth, int ellipseHeight)
{
    Record &record = append(Kind::RoundRect);
    record.rect = rect;
    record.ellipseWidth = ellipseWidth;
    record.ellipseHeight = ellipseHeight;
}

void RecordingSurface::drawText(const DeviceRect &rect, const QString &text, TextAlign align)
{
    Record &record = append(Kind::DrawText);
    record.rect = rect;
    record.text = text;
    record.align = align;
}

void RecordingSurface::drawImage(const DeviceRect &target, const QImage &image)
{
    Record &record = append(Kind::DrawImage);
    record.rect = target;
    record.imageSize = image.size();
}

int RecordingSurface::textWidth(const QString &text)
{
    return int(text.size()) * (state_.font.width < 0 ? -state_.font.width : state_.font.width);
}

std::vector<RecordingSurface::Record> RecordingSurface::recordsOf(Kind kind) const
{
    std::vector<Record> found;
    for (const Record &record : records_) {
        if (record.kind == kind)
            found.push_back(record);
    }
    return found;
}

std::vector<RecordingSurface::Line> RecordingSurface::lines() const
{
    std::vector<Line> found;
    for (const Record &record : records_) {
        if (record.kind == Kind::LineTo)
            found.push_back({record.x1, record.y1, record.x2, record.y2, record.pen});
    }
    return found;
}

std::vector<RecordingSurface::Line> RecordingSurface::linesWith(const Pen &pen) const
{
    std::vector<Line> found;
    for (const Line &line : lines()) {
        if (line.pen == pen)
            found.push_back(line);
    }
    return found;
}

QList<QString> RecordingSurface::texts() const
{
    QList<QString> found;
    for (const Record &record : records_) {
        if (record.kind == Kind::DrawText)
            found.append(record.text);
    }
    return found;
}

RecordingSurface::Record RecordingSurface::textRecord(const QString &text) const
{
    for (const Record &record : records_) {
        if (record.kind == Kind::DrawText && record.text == text)
            return record;
    }
    return {};
}

void RecordingSurface::clear()
{
    records_.clear();
    state_ = {};
}
