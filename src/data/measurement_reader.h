#pragma once

#include "data/measurement_set.h"
#include "data/progress_device.h"

#include <QString>

class QIODevice;

// How a read of a measurement ended.
enum class ReadOutcome {
    Read,         // the amplitude file was read, and the reference file too if it could be opened
    CannotOpen,   // the amplitude file could not be opened: nothing was changed
    Refused,      // the amplitude file holds a character from 0x41 to 0x7A: both counts are 0
    ReadError,    // the file system failed in the middle of a file: both counts are 0
    Cancelled,    // progress asked to stop: nothing in data or files is to be used
};

// Reads the amplitude file at ampPath and then the reference file at refPath into data, and
// records the file titles and the amplitude file's status in files. The files are opened with
// full sharing and read in binary; a CR LF pair ends a line as LF does.
// Only regular files are read (symbolic links to them included); anything else counts as a
// file that cannot be opened and is refused before it is opened for reading, so a FIFO or a
// device neither blocks nor reads for ever.
// - CannotOpen (ampPath empty, missing, unreadable or not a regular file): data and files
//   untouched; the system's reason goes to cannotOpenReason when one is given.
// - Otherwise files.ampFileTitle and files.ampFileStatus describe the amplitude file (its
//   fullName is the absolute path, for the recent-file list), and files.refFileTitle is the
//   reference file's title when that file was opened, else empty.
// - Read: ampCount (0 to 8191) and refCount (0 to 511) count the lines read; every slot that
//   no line supplied is 0. ampLineNumbers and refLineNumbers give each counted slot's line in
//   its file, from 1 (a line longer than 254 bytes fills several slots with one number). An empty refPath or a reference file that cannot be opened is no
//   error: the reference entries then come from columns 2 and 7 to 10 of the amplitude file.
// - Refused and ReadError: both counts are 0; the caller must not show the data set.
// progress, when given, is asked before each block read from either file, with the amplitude
// file's size first and then the reference file's; when it says no, the read ends as Cancelled.
ReadOutcome readMeasurement(const QString &ampPath, const QString &refPath, MeasurementSet &data,
                            MeasurementFiles &files, QString *cannotOpenReason = nullptr,
                            const ReadProgress &progress = {});

// How the lines past the limits (8191 samples, 511 entries) are read. Both give the same outcome
// for every input, and after Read the same data set.
enum class PastLimits {
    Scan,             // scan them for refused characters, convert only the last ones needed
    ParseEveryLine,   // convert each one like the lines before; for tests that check Scan
};

// Reads an amplitude file's lines from the device's current position: clears data, then fills
// ampSeries and refSeries line by line. Returns Read, Refused or ReadError (counts 0 for both).
ReadOutcome readAmplitudeLines(QIODevice &device, MeasurementSet &data,
                               PastLimits pastLimits = PastLimits::Scan);

// Reads a reference file's lines from the device's current position: clears refSeries and
// refCount, then fills them line by line; ampCount and ampSeries are not touched. Returns
// Read, or ReadError with both counts set to 0.
ReadOutcome readReferenceLines(QIODevice &device, MeasurementSet &data,
                               PastLimits pastLimits = PastLimits::Scan);
