#include "data/line_piece_reader.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

LinePieceReader::LinePieceReader(QIODevice &input)
    : device(input)
{
    Q_ASSERT(device.isReadable());
}

LinePieceReader::Status LinePieceReader::next(std::string_view &piece)
{
    int length = 0;
    while (length < maxPieceLength) {
        if (position == blockSize && !refill())
            break;
        // Copy ordinary bytes in one tight run; only a line end, a CR or the end of the block
        // or of the piece stops it.
        const qint64 run = std::min<qint64>(blockSize - position, maxPieceLength - length);
        const char *const source = block + position;
        const void *const lineFeed = std::memchr(source, '\n', static_cast<size_t>(run));
        const qint64 beforeLineFeed = lineFeed ? static_cast<const char *>(lineFeed) - source : run;
        const void *const carriageReturn = std::memchr(source, '\r', static_cast<size_t>(beforeLineFeed));
        const qint64 copied = carriageReturn ? static_cast<const char *>(carriageReturn) - source
                                             : beforeLineFeed;
        std::memcpy(pieceBuffer + length, source, static_cast<size_t>(copied));
        length += static_cast<int>(copied);
        position += copied;
        if (copied == run)
            continue;

        char byte = block[position++];
        // The translation sits below the piece limit, as in a text-mode C stream, so a CR LF
        // pair counts as one character even when it straddles two blocks of the device.
        if (byte == '\r') {
            if (position == blockSize)
                refill();
            if (position < blockSize && block[position] == '\n') {
                ++position;
                byte = '\n';
            }
        }
        pieceBuffer[length++] = byte;
        if (byte == '\n')
            break;
    }
    if (failed)
        return Status::Error;
    if (length == 0)
        return Status::End;
    piece = std::string_view(pieceBuffer, static_cast<size_t>(length));
    return Status::Piece;
}

std::string_view LinePieceReader::takeBuffered()
{
    const std::string_view rest(block + position, static_cast<size_t>(blockSize - position));
    position = blockSize;
    return rest;
}

bool LinePieceReader::refill()
{
    position = 0;
    blockSize = 0;
    if (failed)
        return false;
    const qint64 count = device.read(block, sizeof block);
    if (count < 0) {
        failed = true;
        return false;
    }
    blockSize = count;
    return count > 0;
}
