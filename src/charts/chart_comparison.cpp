#include "charts/chart_comparison.h"

#include "charts/chart_colours.h"
#include "charts/chart_parts.h"
#include "draw/device_units.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdint>

Colour comparedColour(Colour colour, Colour plotColour)
{
    constexpr Colour white{255, 255, 255};
    const Colour towards = colour == white ? plotColour : white;
    const auto halfway = [](int from, int to) { return from + (to - from) / 2; };
    return {halfway(colour.red, towards.red), halfway(colour.green, towards.green),
            halfway(colour.blue, towards.blue)};
}

Pen comparedPen(const Pen &pen, Colour plotColour)
{
    return {comparedColour(pen.colour, plotColour), pen.width, PenStyle::Dash};
}

ChartComparison chartComparison(const MeasurementSet *compared, const MeasurementFiles &files,
                                const MeasurementFiles &comparedFiles)
{
    if (!compared)
        return {};
    const QString &path = files.ampFileStatus.fullName;
    return {compared, files.ampFileTitle, comparedFiles.ampFileTitle, files.refFileTitle,
            comparedFiles.refFileTitle, !path.isEmpty() && path == comparedFiles.ampFileStatus.fullName};
}

LegendTitles legendTitles(LegendFiles files, const ChartComparison &comparison)
{
    const auto title = [files](const QString &ampTitle, const QString &refTitle) {
        return files == LegendFiles::Reference && !refTitle.isEmpty() ? refTitle : ampTitle;
    };
    const QString compared = title(comparison.comparedTitle, comparison.comparedRefTitle);
    // Two equal names would leave the reader guessing; this says what is drawn twice.
    return {title(comparison.shownTitle, comparison.shownRefTitle),
            comparison.sameFile ? QCoreApplication::translate("Charts", "%1 (the same file)").arg(compared)
                                : compared};
}

ChartLegend chartLegend(const DeviceRect &titleBand, int titleRight, int shownTextWidth,
                        int comparedTextWidth, double lengthSx, double lengthSy)
{
    const int sampleWidth = truncToInt(28 * lengthSx);
    const int gap = truncToInt(4 * lengthSx);
    const int spacing = truncToInt(12 * lengthSx);
    // In 64 bits: the band of a huge area may span the whole int range.
    const int64_t room = std::max<int64_t>(
        0, int64_t(titleBand.right) - titleRight - 2 * spacing - 2 * (sampleWidth + gap));
    if (int64_t(shownTextWidth) + comparedTextWidth > room) {
        const int half = int(room / 2);
        if (shownTextWidth <= half)
            comparedTextWidth = int(room - shownTextWidth);
        else if (comparedTextWidth <= half)
            shownTextWidth = int(room - comparedTextWidth);
        else
            shownTextWidth = comparedTextWidth = half;
    }
    const int halfHeight = truncToInt(4 * lengthSy);
    const int middle = titleBand.top + titleBand.height() / 2;
    // Laid out from the right: the text rectangles span the band, whose middle centres the text.
    const auto entry = [&](int right, int textWidth) {
        const int textLeft = right - textWidth;
        const int sampleRight = textLeft - gap;
        return LegendEntry{{sampleRight - sampleWidth, middle - halfHeight, sampleRight, middle + halfHeight},
                           {textLeft, titleBand.top, right, titleBand.bottom}};
    };
    ChartLegend legend;
    legend.compared = entry(titleBand.right, comparedTextWidth);
    legend.shown = entry(legend.compared.sample.left - spacing, shownTextWidth);
    return legend;
}

void drawChartLegend(Surface &surface, const DeviceRect &titleBand, const ChartFrame &frame,
                     const QString &chartTitle, const FontSpec &font, const LegendTitles &titles,
                     const Pen &shownPen, Colour plotColour)
{
    surface.selectFont(chartTitleFont(frame.lengthSx, frame.lengthSy));
    const int titleRight = titleBand.left + surface.textWidth(chartTitle);
    surface.selectFont(font);
    surface.setTextColour(chartColours.textColour);
    surface.setBackgroundMode(BackgroundMode::Transparent);
    const ChartLegend legend =
        chartLegend(titleBand, titleRight, surface.textWidth(titles.shown),
                    surface.textWidth(titles.compared), frame.lengthSx, frame.lengthSy);
    const struct {
        const LegendEntry &entry;
        const QString &title;
        Pen pen;
    } entries[] = {{legend.shown, titles.shown, shownPen},
                   {legend.compared, titles.compared, comparedPen(shownPen, plotColour)}};
    for (const auto &[entry, title, pen] : entries) {
        const DeviceRect &sample = entry.sample;
        surface.fillRect(sample, plotColour);
        // The line stops short of the patch's ends, where its round caps would stand out.
        const int middle = sample.top + sample.height() / 2;
        const int inset = std::max(pen.width, 1);
        drawSegment(surface, pen, sample.left + inset, middle, sample.right - inset, middle);
        surface.drawText(entry.text, title, TextAlign::Left);
    }
}
