#pragma once

#include <QString>

#include <functional>

class QIODevice;

// What a write may do when no temporary file can be made beside its target.
enum class DirectWrite {
    Never,                  // fail: an output is whole or absent
    IntoWritableTarget,     // write into the existing target itself (a read-only folder); a
                            // failed write puts its old contents back
};

// Writes the file at path through a temporary file in the same folder: writer fills the
// temporary file, which is renamed over path only after writer returned true and every byte,
// the final flush included, reached the file system. Otherwise the temporary file is removed
// and path keeps what it held before. A symbolic link is followed only to a regular file,
// whose contents are then replaced; any other target (a device, a FIFO, a directory, a
// dangling link) is refused before anything is written. Returns an empty string when the file
// was written, else the reason in the system's words ("No space left on device").
QString writeOutputFile(const QString &path, const std::function<bool(QIODevice &)> &writer,
                        DirectWrite direct = DirectWrite::Never);

// Removes the temporary file of a write in progress when the process gets SIGTERM, SIGINT or
// SIGHUP, then ends the process by that signal as it would have ended. Signals that were
// ignored when this is called stay ignored. Call once, early, from the main thread.
void removePendingOutputOnSignals();

// True when both paths name one existing file (the same device and inode, so hard links and
// symbolic links count as the same file).
bool isSameFile(const QString &first, const QString &second);

// True when path names one of the measurement's own files: the amplitude file at ampPath or
// the reference file paired with it (as isSameFile sees them). Every route that writes a file
// the user names refuses such an output before anything is written.
bool isMeasurementFile(const QString &path, const QString &ampPath);
