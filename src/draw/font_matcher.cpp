#include "draw/font_matcher.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace {

constexpr int referencePixelSize = 512;
constexpr int defaultPixelSize = 13;
constexpr int maxPixelSize = 16384;   // far beyond any page; keeps the font engine sane
constexpr std::size_t cacheLimit = 16;

// The classic TrueType weights of the average character width: the blank and a to z, per 1000.
constexpr int letterWeights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20,
                                   56, 56, 17, 4,  49, 56, 71, 31, 10, 18, 3, 18, 2};
constexpr int blankWeight = 166;

bool sameFace(const QString &face, const char *name)
{
    return face.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

QString familyFor(const FontSpec &request)
{
    if (sameFace(request.face, "Arial") || sameFace(request.face, "Helvetica"))
        return QStringLiteral("Liberation Sans");
    if (sameFace(request.face, "Times New Roman"))
        return QStringLiteral("Liberation Serif");
    if (sameFace(request.face, "Pica") || sameFace(request.face, "Courier")
        || sameFace(request.face, "Courier New") || request.pitchAndFamily == FontPitchFamily::Modern)
        return QStringLiteral("Liberation Mono");
    return request.face;
}

QFont::StyleHint styleHintFor(FontPitchFamily family)
{
    switch (family) {
    case FontPitchFamily::SansSerif:
        return QFont::SansSerif;
    case FontPitchFamily::Modern:
        return QFont::TypeWriter;
    }
    Q_UNREACHABLE();
}

QFont::Weight weightFor(int weight)
{
    if (weight <= 0)
        return QFont::Normal;
    return static_cast<QFont::Weight>(std::clamp(weight, 1, 1000));
}

// Ascent plus descent per em, to turn a cell height into an em height.
double cellHeightPerEm(const QFont &font)
{
    QFont reference = font;
    reference.setPixelSize(referencePixelSize);
    const QFontMetricsF metrics(reference);
    return (metrics.ascent() + metrics.descent()) / referencePixelSize;
}

} // namespace

double averageWidthPerEm(const QFont &font)
{
    // Measured large and unhinted, so the ratio does not depend on the size asked for.
    QFont reference = font;
    reference.setPixelSize(referencePixelSize);
    reference.setStretch(100);
    reference.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF metrics(reference);
    double sum = blankWeight * metrics.horizontalAdvance(QLatin1Char(' '));
    for (int letter = 0; letter < 26; ++letter)
        sum += letterWeights[letter] * metrics.horizontalAdvance(QLatin1Char(char('a' + letter)));
    return sum / 1000.0 / referencePixelSize;
}

QFont FontMatcher::match(const FontSpec &request)
{
    for (const auto &[key, font] : cache_) {
        if (key == request)
            return font;
    }
    QFont font = build(request);
    if (cache_.size() >= cacheLimit)
        cache_.erase(cache_.begin());
    cache_.emplace_back(request, font);
    return font;
}

QFont FontMatcher::build(const FontSpec &request) const
{
    QFont font(familyFor(request));
    font.setStyleHint(styleHintFor(request.pitchAndFamily));
    font.setWeight(weightFor(request.weight));
    font.setStyleStrategy(QFont::PreferDefault);

    double pixelSize = defaultPixelSize;
    if (request.height < 0)
        pixelSize = -static_cast<double>(request.height);
    else if (request.height > 0)
        pixelSize = std::round(request.height / cellHeightPerEm(font));
    font.setPixelSize(static_cast<int>(std::clamp(pixelSize, 1.0, double(maxPixelSize))));

    if (request.width != 0) {
        const double natural = averageWidthPerEm(font) * font.pixelSize();
        const double wanted = std::abs(static_cast<double>(request.width));
        if (natural > 0)
            font.setStretch(std::clamp(static_cast<int>(std::lround(100 * wanted / natural)), 1, 4000));
    }
    return font;
}
