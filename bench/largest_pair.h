#pragma once

#include <QDir>
#include <QString>

#include <cmath>
#include <cstdio>

// Writes the largest measurement the reader keeps (8191 samples, 511 reference entries) into
// folder as largest_amp.txt and largest_ref.txt; returns the amplitude file's path.
inline QString writeLargestPair(const QDir &folder)
{
    const QString amp = folder.filePath(QStringLiteral("largest_amp.txt"));
    std::FILE *file = std::fopen(amp.toLocal8Bit().constData(), "w");
    for (int i = 0; i < 8191; ++i) {
        const double angle = std::fmod(i * 720.0 / 8191, 360.0);
        std::fprintf(file, "%d\t%.2f\t%.2f\t%.2f\t1480.0\t21.6\t0\t0\t0\t0\n", i + 1, angle,
                     65.0 + 25.0 * std::sin(i / 90.0), 60.0 + 20.0 * std::cos(i / 130.0));
    }
    std::fclose(file);
    const QString ref = folder.filePath(QStringLiteral("largest_ref.txt"));
    file = std::fopen(ref.toLocal8Bit().constData(), "w");
    for (int i = 0; i < 511; ++i) {
        std::fprintf(file, "%d\t%.2f\t0\t0\t0\t0\t%d\t%.1f\t%d\t%.1f\n", i + 1, i * 360.0 / 511,
                     i % 37 == 0 ? 150 : 0, 80.0 * std::sin(i / 40.0), i % 41 == 0 ? -90 : 0,
                     -60.0 * std::cos(i / 50.0));
    }
    std::fclose(file);
    return amp;
}
