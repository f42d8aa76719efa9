#pragma once

#include "app/command_line.h"

// --summary OUT.csv|OUT.json FILE...|DIR: one row per measurement with the figures of
// docs/figures.md. A folder stands for its *_amp.txt files (case-sensitive, not in subfolders),
// in name order; files keep the order given. The measurements are read in parallel by a few
// threads, which are all joined before the output is written; each thread holds one data set,
// so memory does not grow with the number of files beyond the rows' text.
// A file the reader cannot open or refuses is a row with its reason ("status"), and its name
// and reason go to stderr. The output is written whole or not at all (writeOutputFile).
// Returns 0 when every measurement was read and the output written; 1 when the output was
// written but at least one measurement could not be read or was refused; 3 when the output
// could not be written or is one of the measurements (nothing written).
int runSummary(const CommandLine &line);
