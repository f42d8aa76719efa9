#pragma once

#include <QString>

// The reference file's path for an amplitude file's path: the path up to the first "_amp.txt"
// in the file name, compared case-sensitively, followed by "_ref.txt"; anything after that
// "_amp.txt" is dropped. Directory names are not searched ("/" and "\" both end a directory),
// so "/data/run_amp.txt.old/b_amp.txt" gives "/data/run_amp.txt.old/b_ref.txt". The empty
// string when the file name holds no "_amp.txt" ("B_AMP.TXT" gives "").
QString deriveRefPath(const QString &ampPath);
