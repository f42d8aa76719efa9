#pragma once

// Registers the program's icons with Qt's resource system. The resources live in a
// static library, so they must be registered explicitly before the first use; safe to call
// more than once.
void initResources();
