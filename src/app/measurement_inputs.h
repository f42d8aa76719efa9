#pragma once

#include "data/measurement_set.h"

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

// The arguments as inputs: a folder stands for its *_amp.txt files (case-sensitive, hidden ones
// too, not in subfolders) in name order; anything else is an amplitude file, in the order given.
std::vector<MeasurementInput> expandInputs(const QStringList &arguments);

// Calls work(index, data) once for every index below count, on a few threads that each take the
// next index in turn and lend it their own data set to read into. All are joined before this
// returns, so work may write to its own slot of a shared vector without locks.
void forEachInParallel(size_t count, const std::function<void(size_t index, MeasurementSet &data)> &work);
