#pragma once

// Generated measurement files for the reader's figures, in the form the measuring system writes.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QtGlobal>

#include <cmath>
#include <cstdio>

// A ten-column amplitude line with tabs and CR LF; the angle goes round every linesPerRevolution.
inline void appendMeasurementLine(QByteArray &bytes, int line, int linesPerRevolution)
{
    const double angle = (line % linesPerRevolution) * 360.0 / linesPerRevolution;
    bytes += QByteArray::number(line + 1) + '\t' + QByteArray::number(angle, 'f', 3) + '\t'
             + QByteArray::number(80 + (line % 17) * 0.37, 'f', 2) + '\t'
             + QByteArray::number(82 - (line % 13) * 0.41, 'f', 2) + "\t0\t0\t"
             + QByteArray::number(line % 50 == 0 ? 95.5 : 0.0, 'f', 1) + '\t'
             + QByteArray::number(40 + (line % 7), 'f', 1) + '\t'
             + QByteArray::number(line % 70 == 0 ? -92.0 : 0.0, 'f', 1) + '\t'
             + QByteArray::number(-40 - (line % 5), 'f', 1) + "\r\n";
}

// What follows the 8191 samples in a file past the limit.
enum class PastLimitLines {
    TenColumns,        // lines like the samples
    FourColumns,       // lines cut after the second amplitude curve, so no line has ten numbers
    RefusedLastLine,   // ten columns, the last line ending in a unit, which refuses the file
};

// An amplitude file of about size bytes: the 8191 samples a measurement holds, then lines past
// the limit up to the size. Dies when the file cannot be written.
inline void writePastLimitFile(const QString &path, qint64 size, PastLimitLines lines)
{
    QFile file(path);
    qint64 written = 0;
    const auto put = [&](const QByteArray &bytes) {
        if (file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        written += bytes.size();
    };
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QByteArray head;
    for (int line = 0; line < 8191; ++line)
        appendMeasurementLine(head, line, 720);
    put(head);
    const auto pastLimitLine = [&](QByteArray &bytes, int line) {
        QByteArray text;
        appendMeasurementLine(text, line, 720);
        if (lines == PastLimitLines::FourColumns)
            text = text.left(text.indexOf("\t0\t0\t")) + "\r\n";
        bytes += text;
    };
    // One megabyte of further lines, written again and again: past the limit only its bytes count.
    QByteArray rest;
    for (int line = 8191; rest.size() < (1 << 20); ++line)
        pastLimitLine(rest, line);
    QByteArray last;
    pastLimitLine(last, 8191);
    if (lines == PastLimitLines::RefusedLastLine)
        last.insert(last.size() - 2, "deg");
    while (written + rest.size() + last.size() <= size)
        put(rest);
    put(last);
}

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
