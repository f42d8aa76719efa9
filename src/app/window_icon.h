#pragma once

#include <QIcon>

// The program's window icon, drawn from its SVG at the sizes window managers ask for (16 to
// 128 pixels). The drawing runs in a helper thread from the first call on, so the windows being
// built meanwhile do not wait for it; a window that needs a size before it is done waits then.
// Every call gives the same icon.
QIcon programIcon();
