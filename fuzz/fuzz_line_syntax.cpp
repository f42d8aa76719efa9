// The line pieces against a plain fgets-style split, and the numbers of every piece (and of
// the whole input, past the piece limit) against strtod in the C locale, bit for bit.
#include "data/line_piece_reader.h"
#include "data/line_syntax.h"
#include "fuzz_check.h"
#include "models.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace {

// Hands out at most chunk bytes a read, so line ends and CR LF pairs meet block ends.
class ChunkedDevice : public QIODevice {
public:
    ChunkedDevice(std::string_view bytes, qint64 chunk)
        : bytes_(bytes), chunk_(chunk)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 count = std::min({maxSize, chunk_, qint64(bytes_.size()) - position_});
        std::memcpy(data, bytes_.data() + position_, size_t(count));
        position_ += count;
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    std::string_view bytes_;
    qint64 chunk_;
    qint64 position_ = 0;
};

void compareNumbers(std::string_view text)
{
    LineNumbers numbers{};
    double expected[maxColumns] = {};
    const int count = readNumbers(text, numbers);
    FUZZ_CHECK(count == modelNumbers(text, expected));
    FUZZ_CHECK(std::memcmp(numbers.data(), expected, sizeof(double) * size_t(count)) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // A first byte below 16 makes the device hand out that many bytes plus one a read; any
    // other reads all at once, which keeps most runs fast.
    const qint64 chunk = data[0] < 16 ? qint64(data[0]) + 1 : qint64(size);
    const std::string_view bytes(reinterpret_cast<const char *>(data) + 1, size - 1);

    ChunkedDevice device(bytes, chunk);
    LinePieceReader reader(device);
    const std::vector<std::string> expected = modelPieces(bytes);
    size_t index = 0;
    std::string_view piece;
    while (reader.next(piece) == LinePieceReader::Status::Piece) {
        FUZZ_CHECK(index < expected.size());
        FUZZ_CHECK(piece == expected[index]);
        compareNumbers(piece);
        FUZZ_CHECK(containsRefusedCharacter(piece)
                   == std::any_of(piece.begin(), piece.end(), [](char c) { return c >= 'A' && c <= 'z'; }));
        ++index;
    }
    FUZZ_CHECK(index == expected.size());
    compareNumbers(bytes);
    return 0;
}
