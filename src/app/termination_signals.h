#pragma once

#include <functional>

// Asks the windows to close when the system asks the program to end (SIGTERM, SIGINT and
// SIGHUP; the console's close and Ctrl+C on Windows): quit runs on the GUI thread, from its
// event loop, so the program ends as Exit ends it, whatever a worker is waiting for. Asked a
// second time, the program ends at once. Call once, after the application object exists.
void quitOnTerminationSignals(std::function<void()> quit);
