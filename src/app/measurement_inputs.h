#pragma once

#include "data/measurement_set.h"
#include "data/measurement_reader.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The measurements a lot mode (--summary, --trend) reads, and the threads it reads them on.

// One input: a measurement's amplitude file, or a folder that could not be listed.
struct MeasurementInput {
    QString path;
    QString listError;   // non-empty: why the folder could not be listed
};

// The arguments as inputs: a folder stands for its *_amp.txt files (the suffix compared as the
// file system compares names; hidden ones too, not in subfolders) in name order; anything else
// is an amplitude file, in the order given.
std::vector<MeasurementInput> expandInputs(const QStringList &arguments);

// One input read as the viewer reads a measurement.
struct InputRead {
    ReadOutcome outcome = ReadOutcome::CannotOpen;
    MeasurementFiles files;   // as the reader left them: known unless the file could not be opened
    QString error;            // empty when read, else why in a few English words
    bool isOutput = false;    // the output would overwrite this measurement or its partner
};
InputRead readInput(const MeasurementInput &input, const QString &outputPath, MeasurementSet &data);

// Calls work(index, data) once for every index below count, on a few threads that each take the
// next index in turn and lend it their own data set to read into. All are joined before this
// returns, so work may write to its own slot of a shared vector without locks.
void forEachInParallel(size_t count, const std::function<void(size_t index, MeasurementSet &data)> &work);
