#pragma once

#include <QString>

#include <cstdint>

// One measurement: up to 8191 amplitude samples and 511 reference entries in fixed arrays.
// Only slots below the counts are valid; the last slot of each array takes every line past
// the limit and is never counted.
struct MeasurementSet {
    static constexpr int ampCapacity = 8192;
    static constexpr int refCapacity = 512;
    static constexpr int maxAmpCount = ampCapacity - 1;
    static constexpr int maxRefCount = refCapacity - 1;

    int32_t refCount = 0;
    int32_t ampCount = 0;
    double ampSeries[3][ampCapacity] = {};   // angle (degrees), curve 1, curve 2 (percent)
    double refSeries[5][refCapacity] = {};   // angle, red marks, blue marks, red line, blue line
    // The line of its file (from 1) that each counted sample and entry came from; 0 in slots
    // no line filled. A line longer than a piece gives several samples of the same line. The
    // entries name lines of the reference file, or of the amplitude file while they come
    // from it.
    int32_t ampLineNumbers[ampCapacity] = {};
    int32_t refLineNumbers[refCapacity] = {};

    // Zeros every slot and both counts.
    void clear();
    // Zeros the five reference series and refCount, leaving the amplitude part alone.
    void clearReference();
};

// The status of a file as taken when it was read. Times are seconds since the epoch.
struct FileStatus {
    // Bits of attributes, with the values of the Windows file attributes.
    static constexpr uint8_t readOnlyAttribute = 0x01;
    static constexpr uint8_t hiddenAttribute = 0x02;

    int64_t creationTime = 0;
    int64_t modificationTime = 0;
    int64_t accessTime = 0;
    uint64_t size = 0;
    uint8_t attributes = 0;
    QString fullName;
};

// What the reader records about the files of the measurement last read.
struct MeasurementFiles {
    QString ampFileTitle;   // name of the amplitude file without its directory
    QString refFileTitle;   // the same for the reference file; empty when none was read
    FileStatus ampFileStatus;
};
