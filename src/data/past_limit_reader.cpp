#include "data/past_limit_reader.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace {

// The last line feed in [begin, end), or null.
const char *findLastLineFeed(const char *begin, const char *end)
{
#if defined(__GLIBC__)
    return static_cast<const char *>(memrchr(begin, '\n', static_cast<size_t>(end - begin)));
#else
    for (const char *at = end; at != begin;) {
        if (*--at == '\n')
            return at;
    }
    return nullptr;
#endif
}

} // namespace

PastLimitReader::PastLimitReader(QIODevice &input, Letters letterRule)
    : device(input)
    , letters(letterRule)
{
    Q_ASSERT(device.isReadable());
}

PastLimitReader::Status PastLimitReader::read(std::string_view buffered)
{
    Q_ASSERT(static_cast<qint64>(buffered.size()) <= blockSize);
    last = LastPieces();
    failed = false;
    std::memcpy(window, buffered.data(), buffered.size());
    // window[0, carried) came with the last block and has been scanned; window[carried, end) is new.
    qint64 carried = 0;
    qint64 end = static_cast<qint64>(buffered.size());
    for (;;) {
        if (end == carried && !readMore(end)) {
            if (failed)
                return Status::Error;
            break;
        }
        if (letters == Letters::Refuse) {
            const std::string_view fresh(window + carried, static_cast<size_t>(end - carried));
            const size_t refused = findRefusedCharacter(fresh);
            if (refused < fresh.size())
                return refuseWhenPieceComplete(carried + static_cast<qint64>(refused), end);
        }
        carried = settleBlock(end);
        end = carried;
    }
    // What is left at the end of the device is its last piece, one without a line feed.
    if (carried > 0) {
        LastPieces block;
        settlePiece(0, carried, block);
        takeLater(block);
    }
    return Status::Read;
}

// Walks back over the complete pieces in window[0, end), newest first, until they have supplied
// every column, and keeps the incomplete rest for the next block. Returns its length.
//
// Pieces are cut here from raw bytes, pieceLength of them from the start of each line. The
// line-by-line reading counts a closing CR LF pair as one character, so where a line's length is
// a multiple of pieceLength it ends its last piece with the pair where this cut leaves the CR
// there and the line feed alone in a piece of its own. Both only separate numbers, so every
// piece holds the same numbers either way.
qint64 PastLimitReader::settleBlock(qint64 end)
{
    const char *const lineFeed = findLastLineFeed(window, window + end);
    const qint64 linesEnd = lineFeed ? lineFeed - window + 1 : 0;
    // After the last line feed the line goes on in whole pieces, the last of them unfinished.
    const qint64 complete = linesEnd + (end - linesEnd) / pieceLength * pieceLength;
    LastPieces block;
    for (qint64 start = complete - pieceLength; start >= linesEnd && block.count < maxColumns;
         start -= pieceLength)
        settlePiece(start, start + pieceLength, block);
    for (qint64 lineEnd = linesEnd; lineEnd > 0 && block.count < maxColumns;) {
        const char *const previous = findLastLineFeed(window, window + lineEnd - 1);
        const qint64 lineStart = previous ? previous - window + 1 : 0;
        settleLine(lineStart, lineEnd, block);
        lineEnd = lineStart;
    }
    takeLater(block);

    const qint64 carry = end - complete;
    std::memmove(window, window + complete, static_cast<size_t>(carry));
    return carry;
}

// The pieces of one line, which ends with its line feed, from the last to the first. The line
// may begin inside a longer one, as long as it begins a piece.
void PastLimitReader::settleLine(qint64 lineStart, qint64 lineEnd, LastPieces &block) const
{
    qint64 start = lineStart + (lineEnd - lineStart - 1) / pieceLength * pieceLength;
    settlePiece(start, lineEnd, block);
    for (start -= pieceLength; start >= lineStart && block.count < maxColumns; start -= pieceLength)
        settlePiece(start, start + pieceLength, block);
}

// Takes the columns of window[start, end) that no later piece of the block has supplied.
void PastLimitReader::settlePiece(qint64 start, qint64 end, LastPieces &block) const
{
    block.any = true;
    const std::string_view piece(window + start, static_cast<size_t>(end - start));
    // Most pieces cannot hold more numbers than later ones have already supplied.
    if (countNumbersAtMost(piece) <= block.count)
        return;
    LineNumbers numbers{};
    const int count = readNumbers(piece, numbers);
    for (int column = block.count; column < count; ++column)
        block.numbers[static_cast<size_t>(column)] = numbers[static_cast<size_t>(column)];
    block.count = std::max(block.count, count);
}

// Lets the pieces of a later block override the earlier ones, column by column.
void PastLimitReader::takeLater(const LastPieces &block)
{
    if (!block.any)
        return;
    std::copy(block.numbers.begin(), block.numbers.begin() + block.count, last.numbers.begin());
    last.count = std::max(last.count, block.count);
    last.any = true;
}

qint64 PastLimitReader::pieceStart(qint64 at) const
{
    const char *const lineFeed = findLastLineFeed(window, window + at);
    const qint64 lineStart = lineFeed ? lineFeed - window + 1 : 0;
    return lineStart + (at - lineStart) / pieceLength * pieceLength;
}

// Whether window[0, end), which begins a piece, holds all of it, as LinePieceReader::next decides:
// a line feed or pieceLength characters end a piece, and a CR needs the byte after it to tell
// whether the two are one line end.
bool PastLimitReader::pieceComplete(qint64 end) const
{
    qint64 at = 0;
    for (int length = 0; length < pieceLength; ++length) {
        if (at == end)
            return false;
        const char byte = window[at++];
        if (byte == '\n')
            return true;
        if (byte == '\r') {
            if (at == end)
                return false;
            if (window[at] == '\n')
                return true;
        }
    }
    return true;
}

// The line-by-line reading refuses once it has the whole piece that holds the character, so a
// read error while it completes that piece is its outcome, and so it is here.
PastLimitReader::Status PastLimitReader::refuseWhenPieceComplete(qint64 at, qint64 end)
{
    const qint64 start = pieceStart(at);
    end -= start;
    std::memmove(window, window + start, static_cast<size_t>(end));
    while (!pieceComplete(end)) {
        if (!readMore(end))
            break;
    }
    return failed ? Status::Error : Status::Refused;
}

bool PastLimitReader::readMore(qint64 &end)
{
    const qint64 count = device.read(window + end, static_cast<qint64>(sizeof window) - end);
    failed = count < 0;
    if (count <= 0)
        return false;
    end += count;
    return true;
}
