#pragma once

#include <QString>

class QFile;

// Opens path for reading only when it names a regular file (a symbolic link to one counts).
// A FIFO, a device, a socket or a directory is refused before it is opened for reading, and
// the descriptor is checked again once open, so a swap between the check and the open can
// neither block nor hand a device to the reader. Returns an empty string when file is open,
// else, with file closed, the reason in the system's words ("No such file or directory", "Is
// a directory", or "Not a regular file" for a FIFO, a device or a socket). The file is opened
// on its descriptor, so file.fileName() is empty: ask QFileInfo about path instead. The
// descriptor stays non-blocking, so a file that only looks regular and has nothing to give
// (/proc/kmsg) fails its read instead of blocking it.
QString openRegularFile(const QString &path, QFile &file);

// The reason openRegularFile gives for anything that is not a regular file.
QString notRegularFileReason();
