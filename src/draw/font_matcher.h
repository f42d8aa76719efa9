#pragma once

#include "draw/surface.h"

#include <QFont>

#include <utility>
#include <vector>

// Turns a FontSpec into a QFont that meets the requested sizes with the faces this system has.
// "Arial" becomes Liberation Sans (same metrics); "Pica", Courier and the modern family become
// Liberation Mono; other faces are asked for by name. A negative height is the em height in
// device units, a positive one the cell height (ascent + descent), 0 a default of 13 units.
// A non-zero width is the average character width (its absolute value): the face is stretched
// until its average width, weighted as for the classic TrueType average over the lowercase
// letters and the blank, meets it. Weights map to QFont's 100-900 scale (0 is regular).
class FontMatcher {
public:
    QFont match(const FontSpec &request);

private:
    QFont build(const FontSpec &request) const;

    // Faces of one drawing repeat all the time; a few entries keep the measuring out of the
    // paint loop.
    std::vector<std::pair<FontSpec, QFont>> cache_;
};

// The average character width of a font as a fraction of its em height, from the advances of
// the lowercase letters and the blank with their classic weights.
double averageWidthPerEm(const QFont &font);
