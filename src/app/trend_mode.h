#pragma once

#include "app/command_line.h"

// --trend OUT.png|OUT.svg [--size WxH] DIR|FILE...: the trend chart of the measurements given
// (folders and files as --summary takes them), in file-date order (the amplitude file's
// modification time; equal dates keep the order given), read in parallel as --summary reads
// them. A file that cannot be read or is refused has no column; its name and reason go to
// stderr. The picture is written whole or not at all.
// Returns 0 when every measurement was read and the picture written; 1 when it was written but
// at least one measurement could not be read; 3 when it could not be written or is one of the
// measurements (nothing written).
int runTrend(const CommandLine &line);
