#pragma once

#include <QIcon>

// The program's window icon, drawn from its SVG at the sizes window managers draw it (16 to
// 64 pixels); a larger size is scaled from the 64-pixel one.
QIcon programIcon();
