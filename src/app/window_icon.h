#pragma once

#include <QIcon>

// The program's window icon, drawn from its SVG at the sizes window managers draw it (16 to
// 64 pixels); a larger size is scaled from the 64-pixel one. The drawing runs in a helper
// thread from the first call on, so the windows being built meanwhile do not wait for it; a
// window that needs a size before it is done waits then. Every call gives the same icon.
QIcon programIcon();
