#pragma once

#include "app/command_line.h"

// The modes that need no window: --dump, --chart and --report. Each returns the process's
// exit status: 0 done, 1 the amplitude file could not be read or was refused (the message on
// stderr), 3 the output could not be written.
int runDump(const CommandLine &line);
int runChart(const CommandLine &line);
int runReport(const CommandLine &line);
