#pragma once

#include <QtGlobal>

#include <string_view>

class QIODevice;

// Splits a byte stream into the pieces that the measurement reader handles as lines, exactly as
// a C runtime reading a text-mode stream with fgets into a 255-character buffer does: a piece
// ends after a line feed or after 254 characters, whichever comes first, and the last piece of
// a stream may lack its line feed. A CR LF pair reads as one line feed; any other CR is an
// ordinary character. A line of 254 characters and its line feed are therefore two pieces.
// Allocates nothing per piece.
class LinePieceReader {
public:
    static constexpr int maxPieceLength = 254;

    enum class Status {
        Piece,   // a piece of 1 to maxPieceLength characters was read
        End,     // the stream holds no more characters
        Error,   // the device reported a read error; the partial piece is dropped
    };

    // Reads from the device's current position; the device must be open for reading and stay
    // open while the reader is used.
    explicit LinePieceReader(QIODevice &input);

    // The next piece; on Status::Piece, piece views the reader's own buffer until the next call.
    Status next(std::string_view &piece);

    // The bytes read from the device but not yet handed out in pieces (at most one block), for
    // a caller that reads the rest of the device itself. They begin where the next piece would;
    // the view lasts while the reader does, and the reader hands them out no more.
    std::string_view takeBuffered();

private:
    // Fetches the next block; false at the end of the device or on a read error.
    bool refill();

    QIODevice &device;
    qint64 blockSize = 0;
    qint64 position = 0;
    bool failed = false;
    char block[64 * 1024];
    char pieceBuffer[maxPieceLength];
};
