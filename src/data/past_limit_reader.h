#pragma once

#include "data/line_piece_reader.h"
#include "data/line_syntax.h"

#include <QtGlobal>

#include <string_view>

class QIODevice;

// Reads the rest of a measurement file once its counts have reached their limits. From there on
// every piece rewrites the same last slots, so all that the rest can leave in them is, column by
// column, the number from the latest piece that supplied that column. The reader finds those
// numbers by walking back from the end of each block it reads, converting only the pieces it
// needs; its pieces hold the numbers that LinePieceReader's hold. Allocates nothing; one block
// and one piece are all it holds, whatever the size of the device.
class PastLimitReader {
public:
    enum class Letters {
        Refuse,     // a character from 0x41 to 0x7A ends the read as Refused (amplitude file)
        Separate,   // every character that is not part of a number separates (reference file)
    };

    enum class Status {
        Read,      // the device ended; lastPieces() tells what the pieces left
        Refused,   // a refused character, reported when the piece holding it is complete
        Error,     // the device reported a read error
    };

    // What the pieces read leave in the last slots, as one line of numbers would: numbers[k]
    // for every column k below count comes from the latest piece that held more than k numbers.
    struct LastPieces {
        LineNumbers numbers{};
        int count = 0;
        bool any = false;   // false when no piece followed the limits: the slots stay as they are
    };

    // The device must be open for reading and stay open while the reader is used.
    PastLimitReader(QIODevice &input, Letters letterRule);

    // Reads the bytes taken from the device already (buffered, at most one block, beginning a
    // piece), then the device to its end. After Read, lastPieces() holds the result.
    Status read(std::string_view buffered);

    const LastPieces &lastPieces() const { return last; }

private:
    static constexpr qint64 blockSize = 64 * 1024;
    static constexpr qint64 pieceLength = LinePieceReader::maxPieceLength;

    qint64 settleBlock(qint64 end);
    void settleLine(qint64 lineStart, qint64 lineEnd, LastPieces &block) const;
    void settlePiece(qint64 start, qint64 end, LastPieces &block) const;
    void takeLater(const LastPieces &block);
    qint64 pieceStart(qint64 at) const;
    bool pieceComplete(qint64 end) const;
    Status refuseWhenPieceComplete(qint64 at, qint64 end);
    // Appends what the device gives to window[0, end); false at its end or on a read error.
    bool readMore(qint64 &end);

    QIODevice &device;
    const Letters letters;
    LastPieces last;
    bool failed = false;
    // A block read from the device, after the start of a piece carried over from the last one.
    char window[pieceLength + blockSize];
};
