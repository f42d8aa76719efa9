#pragma once

#include "app/command_line.h"

// The modes that need no window: --dump, --chart, --report and --csv. Each returns the process's
// exit status: 0 done, 1 the amplitude file could not be opened (the open error and the
// system's reason on stderr) or was refused (the invalid-format message), 3 the output could
// not be written or is one of the measurement's files ("cannot write OUT: reason", nothing
// written). With --compare the second measurement is read after the first, with the same
// failures.
int runDump(const CommandLine &line);
int runChart(const CommandLine &line);
int runReport(const CommandLine &line);
// --csv: one table of the values as RFC 4180 CSV (see valuesCsv).
int runCsv(const CommandLine &line);

// True, after saying so on standard error, when the offscreen platform found no font to write
// the texts of line's output with: a picture without its texts is not written.
bool fontsMissing(const CommandLine &line);

// One line of text on standard error, in UTF-8: the batch modes' messages.
void printLine(const QString &text);
