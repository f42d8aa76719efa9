#include "data/measurement_reader.h"

#include <QTest>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>
#include <string_view>

// Generated files past the limits, read by the scan and by converting every line: the outcome
// and the whole data set, last slots included, must be the same.

namespace {

constexpr int pieceLength = 254;

// Hands out its bytes in reads of random length, as a pipe or a network share may, so that block
// ends fall anywhere (between CR and LF too). A file system error in mid-file is modelled as a
// device that fails once it has handed out failAfter bytes (never when failAfter is negative).
class ChoppyDevice : public QIODevice {
public:
    ChoppyDevice(QByteArray content, qint64 failAfter, int longestRead, quint32 seed)
        : bytes(std::move(content))
        , fails(failAfter >= 0)
        , end(fails ? std::min(failAfter, bytes.size()) : bytes.size())
        , readLength(1, longestRead)
        , random(seed)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (position == end)
            return fails ? -1 : 0;
        const qint64 count = std::min({maxSize, qint64(readLength(random)), end - position});
        std::memcpy(data, bytes.constData() + position, size_t(count));
        position += count;
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray bytes;
    bool fails;
    qint64 end;
    qint64 position = 0;
    std::uniform_int_distribution<int> readLength;
    std::mt19937 random;
};

struct GeneratedFile {
    QByteArray bytes;
    qint64 letterAt = -1;    // where a refused character was put in, or -1
    qint64 failAfter = -1;   // bytes the device hands out before it fails, or -1
    int longestRead = 0;
};

class FileGenerator {
public:
    explicit FileGenerator(quint32 seed)
        : random(seed)
    {
    }

    // An amplitude file, with a refused character at one of the places that matter, or a
    // reference file, with letters between its numbers; read errors now and then.
    GeneratedFile file(bool amplitude)
    {
        GeneratedFile file;
        qint64 limitEnd = 0;
        file.bytes = lines(amplitude ? MeasurementSet::maxAmpCount : MeasurementSet::maxRefCount,
                           !amplitude, limitEnd);
        if (chance(5))
            file.bytes.truncate(limitEnd + below(4));
        limitEnd = std::min(limitEnd, file.bytes.size());
        if (amplitude && chance(40)) {
            const qint64 pastLimit = limitEnd + below(int(file.bytes.size() - limitEnd) + 1);
            const qint64 places[] = {file.bytes.size(), limitEnd, pastLimit, below(int(file.bytes.size()) + 1)};
            const int place = below(5);
            if (place < 4) {
                file.letterAt = places[place];
                file.bytes.insert(file.letterAt, letter());
            } else {   // last in a line of one piece, which ends only after its CR LF
                const qint64 lineStart = file.bytes.indexOf('\n', pastLimit) + 1;
                file.bytes.insert(lineStart, QByteArray(pieceLength - 2, ' ') + letter() + "\r\n");
                file.letterAt = lineStart + pieceLength - 2;
            }
        }
        // A read error right after a letter decides whether the piece holding it was complete.
        if (file.letterAt >= 0 && chance(30)) {
            const qint64 lineFeed = file.bytes.indexOf('\n', file.letterAt);
            file.failAfter = chance(30) ? file.letterAt + below(pieceLength + 2)
                                        : (lineFeed < 0 ? file.bytes.size() : lineFeed) - 1 + below(3);
        } else if (chance(10)) {
            file.failAfter = below(int(file.bytes.size()) + 1);
        }
        file.longestRead = chance(50) ? 1 + below(400) : 100'000;
        return file;
    }

private:
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random); }
    bool chance(int percent) { return below(100) < percent; }
    char letter() { return char(0x41 + below(0x7A - 0x41 + 1)); }

    // Empty lines, then random lines among which the limit-th piece falls, then the rest. Sets
    // limitEnd to the offset where the piece after the limit-th begins (or to the file size).
    QByteArray lines(int limit, bool withLetters, qint64 &limitEnd)
    {
        const bool crLf = chance(40);
        const int randomHead = below(40);
        const int count = randomHead + (chance(5) ? 1000 + below(3000) : below(40));
        QByteArray bytes(limit - randomHead, '\n');
        int pieces = int(bytes.size());
        limitEnd = -1;
        for (int n = 0; n < count; ++n) {
            QByteArray text = line(withLetters);
            if (n < count - 1 || chance(70))
                text += crLf || chance(5) ? "\r\n" : "\n";
            // A CR LF pair is one character to the pieces.
            const int linePieces = (int(text.size()) - text.endsWith("\r\n") + pieceLength - 1) / pieceLength;
            if (limitEnd < 0 && pieces + linePieces > limit)
                limitEnd = bytes.size() + qint64(limit - pieces) * pieceLength;
            pieces += linePieces;
            bytes += text;
        }
        if (limitEnd < 0)
            limitEnd = bytes.size();
        return bytes;
    }

    // Up to twelve numbers between separators of every kind (NUL and lone CR too) or none, so
    // that "1.5-2.5.5" holds three; sometimes after a long run of blanks or with a long number,
    // and sometimes about one piece long, so that pieces cut lines, numbers and CR LF pairs.
    QByteArray line(bool withLetters)
    {
        static const std::string_view separators[] = {" ", "\t", ",", ";", "+", "\xb0", "\r", "@",
                                                      "{", "", std::string_view("\0", 1)};
        QByteArray text(chance(20) ? below(600) : 0, ' ');
        for (int field = below(13); field > 0; --field) {
            const std::string_view separator = separators[below(int(std::size(separators)))];
            if (withLetters && chance(10))
                text += letter();
            else
                text += QByteArray(separator.data(), qsizetype(separator.size()));
            text += number();
        }
        return chance(5) ? text.leftJustified(pieceLength - 2 + below(4), ' ', true) : text;
    }

    QByteArray number()
    {
        static const char *const unreadable[] = {"-", ".", "--", "-."};
        if (chance(2))
            return unreadable[below(int(std::size(unreadable)))];
        QByteArray text = chance(30) ? "-" : "";
        const int digits = chance(2) ? 250 + below(100) : chance(10) ? 0 : 1 + below(6);
        for (int digit = 0; digit < digits; ++digit)
            text += char('0' + below(10));
        if (digits == 0 || chance(50)) {
            text += '.';
            for (int decimal = 1 + below(4); decimal > 0; --decimal)
                text += char('0' + below(10));
        }
        return text;
    }

    std::mt19937 random;
};

// The first field that differs, or an empty string. After a failed read only the counts (both 0)
// are defined, since the caller shows nothing.
QString difference(const MeasurementSet &scanned, const MeasurementSet &parsed, ReadOutcome outcome)
{
    if (scanned.ampCount != parsed.ampCount || scanned.refCount != parsed.refCount)
        return QStringLiteral("counts %1/%2, line by line %3/%4")
            .arg(scanned.ampCount).arg(scanned.refCount).arg(parsed.ampCount).arg(parsed.refCount);
    const auto slot = [](const MeasurementSet &data, int series, int index) {
        return series < 3 ? data.ampSeries[series][index] : data.refSeries[series - 3][index];
    };
    for (int series = 0; outcome == ReadOutcome::Read && series < 8; ++series) {
        const int size = series < 3 ? MeasurementSet::ampCapacity : MeasurementSet::refCapacity;
        for (int index = 0; index < size; ++index) {
            const double a = slot(scanned, series, index);
            const double b = slot(parsed, series, index);
            if (std::memcmp(&a, &b, sizeof a) != 0)
                return QStringLiteral("series %1 (ampSeries 0-2, refSeries 3-7) slot %2: %3, line by line %4")
                    .arg(series).arg(index).arg(a).arg(b);
        }
    }
    for (int index = 0; outcome == ReadOutcome::Read && index < MeasurementSet::ampCapacity; ++index) {
        if (scanned.ampLineNumbers[index] != parsed.ampLineNumbers[index]
            || (index < MeasurementSet::refCapacity
                && scanned.refLineNumbers[index] != parsed.refLineNumbers[index]))
            return QStringLiteral("line numbers of slot %1").arg(index);
    }
    return QString();
}

} // namespace

class TestPastLimitReader : public QObject {
    Q_OBJECT

private slots:
    void scanMatchesLineByLineReading();
};

void TestPastLimitReader::scanMatchesLineByLineReading()
{
    constexpr int files = 3000;
    FileGenerator generate(20261207);
    auto scanned = std::make_unique<MeasurementSet>();
    auto parsed = std::make_unique<MeasurementSet>();
    int refusals = 0;
    int errors = 0;
    for (int number = 0; number < files; ++number) {
        // One reference file in four; it is read into a data set that holds no amplitude file.
        const bool amplitude = number % 4 != 0;
        const GeneratedFile file = generate.file(amplitude);
        *scanned = MeasurementSet();
        *parsed = MeasurementSet();
        ChoppyDevice scanDevice(file.bytes, file.failAfter, file.longestRead, quint32(number));
        ChoppyDevice parseDevice(file.bytes, file.failAfter, file.longestRead, quint32(number) + 1);
        const ReadOutcome outcome = amplitude ? readAmplitudeLines(scanDevice, *scanned)
                                              : readReferenceLines(scanDevice, *scanned);
        const ReadOutcome expected =
            amplitude ? readAmplitudeLines(parseDevice, *parsed, PastLimits::ParseEveryLine)
                      : readReferenceLines(parseDevice, *parsed, PastLimits::ParseEveryLine);
        const QString context = QStringLiteral("file %1 (%2 bytes, letter at %3, failing after %4)")
                                    .arg(number).arg(file.bytes.size()).arg(file.letterAt).arg(file.failAfter);
        QVERIFY2(outcome == expected, qPrintable(context));
        const QString differs = difference(*scanned, *parsed, outcome);
        QVERIFY2(differs.isEmpty(), qPrintable(context + QStringLiteral(": ") + differs));
        refusals += outcome == ReadOutcome::Refused;
        errors += outcome == ReadOutcome::ReadError;
    }
    // Both failures must come up often enough to be tested.
    QVERIFY(refusals > files / 10);
    QVERIFY(errors > files / 50);
}

QTEST_GUILESS_MAIN(TestPastLimitReader)
#include "tst_past_limit_reader.moc"
