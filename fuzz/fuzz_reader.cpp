// The reader on in-memory devices, through readAmplitudeLines and readReferenceLines as
// readMeasurement calls them, against a model built from the plain split and strtod. The input
// is the amplitude file, then optionally "@ref@" and the reference file.
#include "data/measurement_reader.h"
#include "fuzz_check.h"
#include "models.h"

#include <QBuffer>

#include <algorithm>
#include <cstring>

namespace {

MeasurementSet actual;
MeasurementSet expected;

bool isRefused(const std::string &piece)
{
    return std::any_of(piece.begin(), piece.end(), [](char c) { return c >= 'A' && c <= 'z'; });
}

// Columns 7 to 10 go to red marks, red line, blue marks, blue line.
void storeMarks(const double *numbers, int count, int entry)
{
    const int targets[4] = {1, 3, 2, 4};
    for (int column = 7; column <= std::min(count, 10); ++column)
        expected.refSeries[targets[column - 7]][entry] = numbers[column - 1];
}

// lineNumber: 1 plus the line feeds before the piece, recorded in counted slots only.
void countEntry(bool amplitude, int lineNumber)
{
    if (amplitude && expected.ampCount < MeasurementSet::maxAmpCount)
        expected.ampLineNumbers[expected.ampCount++] = lineNumber;
    if (expected.refCount < MeasurementSet::maxRefCount)
        expected.refLineNumbers[expected.refCount++] = lineNumber;
}

// False when the model refuses the amplitude file.
bool modelAmplitude(std::string_view bytes)
{
    expected.clear();
    int lineNumber = 1;
    for (const std::string &piece : modelPieces(bytes)) {
        if (isRefused(piece)) {
            expected.ampCount = expected.refCount = 0;
            return false;
        }
        double numbers[10];
        const int count = modelNumbers(piece, numbers);
        for (int series = 0; series < 3; ++series) {
            if (count >= series + 2)
                expected.ampSeries[series][expected.ampCount] = numbers[series + 1];
        }
        storeMarks(numbers, count, expected.refCount);
        expected.refSeries[0][expected.refCount] = expected.ampSeries[0][expected.ampCount];
        countEntry(true, lineNumber);
        lineNumber += piece.back() == '\n';
    }
    return true;
}

void modelReference(std::string_view bytes)
{
    expected.clearReference();
    int lineNumber = 1;
    for (const std::string &piece : modelPieces(bytes)) {
        double numbers[10];
        const int count = modelNumbers(piece, numbers);
        if (count >= 2)
            expected.refSeries[0][expected.refCount] = numbers[1];
        storeMarks(numbers, count, expected.refCount);
        countEntry(false, lineNumber);
        lineNumber += piece.back() == '\n';
    }
}

void compareSets()
{
    FUZZ_CHECK(actual.ampCount == expected.ampCount);
    FUZZ_CHECK(actual.refCount == expected.refCount);
    FUZZ_CHECK(std::memcmp(actual.ampSeries, expected.ampSeries, sizeof actual.ampSeries) == 0);
    FUZZ_CHECK(std::memcmp(actual.refSeries, expected.refSeries, sizeof actual.refSeries) == 0);
    FUZZ_CHECK(std::memcmp(actual.ampLineNumbers, expected.ampLineNumbers, sizeof actual.ampLineNumbers) == 0);
    FUZZ_CHECK(std::memcmp(actual.refLineNumbers, expected.refLineNumbers, sizeof actual.refLineNumbers) == 0);
}

ReadOutcome readWith(ReadOutcome (*read)(QIODevice &, MeasurementSet &), std::string_view bytes)
{
    QByteArray array = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
    QBuffer buffer(&array);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer, actual);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const size_t marker = input.find("@ref@");
    const std::string_view amplitude = input.substr(0, marker);

    const ReadOutcome outcome = readWith([](QIODevice &device, MeasurementSet &set) { return readAmplitudeLines(device, set); },
                                         amplitude);
    if (!modelAmplitude(amplitude)) {
        FUZZ_CHECK(outcome == ReadOutcome::Refused);
        FUZZ_CHECK(actual.ampCount == 0 && actual.refCount == 0);
        return 0;
    }
    FUZZ_CHECK(outcome == ReadOutcome::Read);
    compareSets();
    if (marker == std::string_view::npos)
        return 0;
    const std::string_view reference = input.substr(marker + 5);
    FUZZ_CHECK(readWith([](QIODevice &device, MeasurementSet &set) { return readReferenceLines(device, set); },
                         reference) == ReadOutcome::Read);
    modelReference(reference);
    compareSets();
    return 0;
}
