#pragma once

#include <memory>

class QThread;

// Connects to the session bus in a helper thread, to be called as soon as the application
// object exists. Qt's accessibility bridge connects for the first window shown and waits for
// the bus there; connected beside the main window's construction, it waits less or not at all.
// Null where the platform has no such bridge. The caller waits for the thread before it ends.
std::unique_ptr<QThread> connectSessionBusBeside();
