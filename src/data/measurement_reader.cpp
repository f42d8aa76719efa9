#include "data/measurement_reader.h"

#include "data/line_piece_reader.h"
#include "data/line_syntax.h"
#include "data/past_limit_reader.h"
#include "data/regular_file.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdint>

namespace {

// Columns are counted from 1, as the file format names them; a line supplies column n only when
// it held at least n numbers.
double column(const LineNumbers &numbers, int number)
{
    return numbers[static_cast<size_t>(number - 1)];
}

// Columns 7 to 10 go to the same slots in both formats; the red and blue marks sit before the
// lines in refSeries, so columns 8 and 9 cross over.
void storeMarkColumns(const LineNumbers &numbers, int count, MeasurementSet &data)
{
    const int entry = data.refCount;
    if (count >= 7)
        data.refSeries[1][entry] = column(numbers, 7);
    if (count >= 8)
        data.refSeries[3][entry] = column(numbers, 8);
    if (count >= 9)
        data.refSeries[2][entry] = column(numbers, 9);
    if (count >= 10)
        data.refSeries[4][entry] = column(numbers, 10);
}

// lineNumber: the file line the piece belongs to, recorded for counted slots only, so the slots
// past the limits stay alike however those lines are read.
void storeAmplitudeLine(const LineNumbers &numbers, int count, int32_t lineNumber, MeasurementSet &data)
{
    const int sample = data.ampCount;
    for (int series = 0; series < 3; ++series) {
        if (count >= series + 2)
            data.ampSeries[series][sample] = column(numbers, series + 2);
    }
    storeMarkColumns(numbers, count, data);
    // Until a reference file replaces them, the entries take their angle from the sample,
    // whether or not this line supplied one.
    data.refSeries[0][data.refCount] = data.ampSeries[0][sample];

    // Every line counts, even one without numbers; past the limits the last slot is reused.
    if (data.ampCount < MeasurementSet::maxAmpCount)
        data.ampLineNumbers[data.ampCount++] = lineNumber;
    if (data.refCount < MeasurementSet::maxRefCount)
        data.refLineNumbers[data.refCount++] = lineNumber;
}

void storeReferenceLine(const LineNumbers &numbers, int count, int32_t lineNumber, MeasurementSet &data)
{
    if (count >= 2)
        data.refSeries[0][data.refCount] = column(numbers, 2);
    storeMarkColumns(numbers, count, data);
    if (data.refCount < MeasurementSet::maxRefCount)
        data.refLineNumbers[data.refCount++] = lineNumber;
}

int64_t secondsOrZero(const QDateTime &time)
{
    return time.isValid() ? time.toSecsSinceEpoch() : 0;
}

FileStatus fileStatus(const QFileInfo &info)
{
    FileStatus status;
    // Where the file system keeps no birth time, the status-change time is what a POSIX C
    // runtime reports as st_ctime, the field that holds the creation time on Windows.
    const QDateTime birth = info.birthTime();
    status.creationTime = secondsOrZero(birth.isValid() ? birth : info.metadataChangeTime());
    status.modificationTime = secondsOrZero(info.lastModified());
    status.accessTime = secondsOrZero(info.lastRead());
    status.size = static_cast<uint64_t>(info.size());
    if (!(info.permissions() & QFileDevice::WriteOwner))
        status.attributes |= FileStatus::readOnlyAttribute;
    if (info.isHidden())
        status.attributes |= FileStatus::hiddenAttribute;
    status.fullName = info.absoluteFilePath();
    return status;
}

// Only a regular file is read: a FIFO or a device would block or never end.
bool openForReading(const QString &path, QFile &file, QString *reason = nullptr)
{
    const QString failure = openRegularFile(path, file);
    if (reason)
        *reason = failure;
    return failure.isEmpty();
}

enum class FileKind { Amplitude, Reference };

template <FileKind kind>
void storeLine(const LineNumbers &numbers, int count, int32_t lineNumber, MeasurementSet &data)
{
    if constexpr (kind == FileKind::Amplitude)
        storeAmplitudeLine(numbers, count, lineNumber, data);
    else
        storeReferenceLine(numbers, count, lineNumber, data);
}

template <FileKind kind>
ReadOutcome readPastLimits(LinePieceReader &lines, QIODevice &device, MeasurementSet &data)
{
    PastLimitReader rest(device, kind == FileKind::Amplitude ? PastLimitReader::Letters::Refuse
                                                             : PastLimitReader::Letters::Separate);
    switch (rest.read(lines.takeBuffered())) {
    case PastLimitReader::Status::Read:
        break;
    case PastLimitReader::Status::Refused:
        return ReadOutcome::Refused;
    case PastLimitReader::Status::Error:
        return ReadOutcome::ReadError;
    }
    // The last slots end up as if the latest piece to supply each column were the only one.
    const PastLimitReader::LastPieces &last = rest.lastPieces();
    // Only uncounted slots are left, so no line number is recorded.
    if (last.any)
        storeLine<kind>(last.numbers, last.count, 0, data);
    return ReadOutcome::Read;
}

// Stores every piece of the device; an amplitude piece with a refused character ends the read
// as Refused. Any failure leaves both counts at 0, so no partly read data set is shown.
template <FileKind kind>
ReadOutcome readLines(QIODevice &device, MeasurementSet &data, PastLimits pastLimits)
{
    // The counts start at 0 and stop here; later pieces only rewrite the last slots.
    constexpr int limit = kind == FileKind::Amplitude ? MeasurementSet::maxAmpCount
                                                      : MeasurementSet::maxRefCount;
    LinePieceReader lines(device);
    LineNumbers numbers{};
    std::string_view piece;
    ReadOutcome outcome = ReadOutcome::Read;
    // Pieces are not lines: a line longer than a piece gives several, so the line number
    // counts line feeds. One comparison per piece keeps the reader's speed.
    qint64 lineNumber = 1;
    for (qint64 pieces = 0;; ++pieces) {
        if (pieces == limit && pastLimits == PastLimits::Scan) {
            outcome = readPastLimits<kind>(lines, device, data);
            break;
        }
        const LinePieceReader::Status status = lines.next(piece);
        if (status == LinePieceReader::Status::End)
            break;
        if (status == LinePieceReader::Status::Error) {
            outcome = ReadOutcome::ReadError;
            break;
        }
        if (kind == FileKind::Amplitude && containsRefusedCharacter(piece)) {
            outcome = ReadOutcome::Refused;
            break;
        }
        storeLine<kind>(numbers, readNumbers(piece, numbers),
                        static_cast<int32_t>(std::min<qint64>(lineNumber, INT32_MAX)), data);
        lineNumber += piece.back() == '\n';
    }
    if (outcome != ReadOutcome::Read) {
        data.ampCount = 0;
        data.refCount = 0;
    }
    return outcome;
}

} // namespace

ReadOutcome readAmplitudeLines(QIODevice &device, MeasurementSet &data, PastLimits pastLimits)
{
    // Short lines leave slots alone; clearing first keeps a previous measurement's values from
    // showing through them.
    data.clear();
    return readLines<FileKind::Amplitude>(device, data, pastLimits);
}

ReadOutcome readReferenceLines(QIODevice &device, MeasurementSet &data, PastLimits pastLimits)
{
    // The entries the amplitude file supplied must not show through the reference file's.
    data.clearReference();
    return readLines<FileKind::Reference>(device, data, pastLimits);
}

// Reads through a ProgressDevice when progress was asked for; a cancelled read wins over
// whatever the failing read made of it.
template <typename ReadLines>
ReadOutcome readWithProgress(QFile &file, const ReadProgress &progress, ReadLines readLines)
{
    if (!progress)
        return readLines(file);
    ProgressDevice device(file, progress);
    const ReadOutcome outcome = readLines(device);
    return device.cancelled() ? ReadOutcome::Cancelled : outcome;
}

ReadOutcome readMeasurement(const QString &ampPath, const QString &refPath, MeasurementSet &data,
                            MeasurementFiles &files, QString *cannotOpenReason,
                            const ReadProgress &progress)
{
    QFile ampFile;
    if (!openForReading(ampPath, ampFile, cannotOpenReason))
        return ReadOutcome::CannotOpen;

    const QFileInfo ampInfo(ampPath);
    files.ampFileTitle = ampInfo.fileName();
    files.refFileTitle.clear();
    files.ampFileStatus = fileStatus(ampInfo);

    const ReadOutcome ampOutcome = readWithProgress(
        ampFile, progress, [&data](QIODevice &device) { return readAmplitudeLines(device, data); });
    ampFile.close();
    if (ampOutcome != ReadOutcome::Read)
        return ampOutcome;

    QFile refFile;
    if (!openForReading(refPath, refFile))
        return ReadOutcome::Read;
    files.refFileTitle = QFileInfo(refPath).fileName();
    return readWithProgress(refFile, progress,
                            [&data](QIODevice &device) { return readReferenceLines(device, data); });
}
