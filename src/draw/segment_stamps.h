#pragma once

#include <QRect>

#include <QtGlobal>

#include <cstdint>
#include <unordered_map>
#include <vector>

class QPainter;
class QPen;

// One row of a segment's pixels, relative to the segment's start: x from left to right - 1.
struct StampSpan {
    int y;
    int left;
    int right;
};

// The pixels Qt's raster engine fills for an aliased, round-capped segment of a wide pen.
// Between whole-pixel end points that shape depends only on the offset and the width, so each
// one is stroked once by QPainter and then copied: the curves' thousands of short segments cost
// a row copy each instead of a stroke, with the very same pixels.
class SegmentStamps {
public:
    // Longer segments are rare in a curve and would make large shapes; Qt strokes them.
    static constexpr int maxReach = 64;
    static constexpr int maxWidth = 32;

    // The spans of the segment from (0, 0) to (dx, dy) drawn with pen, or nullptr when it is not
    // kept. The shapes are keyed by width: the pens given must differ in colour and width only.
    const std::vector<StampSpan> *find(qint64 dx, qint64 dy, const QPen &pen);

private:
    std::unordered_map<std::uint64_t, std::vector<StampSpan>> shapes_;
};

// A QImage in one of the 32-bit RGB formats that a painter writes straight into, as seen
// through that painter: where its pixels are, the painter's whole-pixel offset, and the
// rectangle it may change. Only when the painter adds nothing a plain copy would miss
// (no clip path, no blending, no scaling) does such a target exist.
struct DirectRaster {
    std::uint32_t *pixels = nullptr;
    std::int64_t stride = 0;   // in pixels
    QPoint offset;
    QRect bounds;

    static DirectRaster of(QPainter &painter);
    explicit operator bool() const { return pixels != nullptr; }

    // Fills the spans placed at (x, y) in the painter's coordinates with an opaque colour.
    void fill(const std::vector<StampSpan> &spans, std::int64_t x, std::int64_t y,
              std::uint32_t argb) const;
};
