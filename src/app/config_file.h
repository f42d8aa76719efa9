#pragma once

#include <QString>

// The one-line configuration file VELKView.cfg: the path the open-file dialog starts with.

inline constexpr int maxPathLength = 511;   // characters a stored path may hold

// Where the configuration lives for a working directory, and the start path used when the
// file holds none. Both are empty when the directory is too long to be kept (over 489
// characters): then nothing is read or written and the dialog starts with the bare pattern.
struct ConfigLocation {
    QString configPath;    // directory + "/VELKView.cfg"
    QString patternPath;   // directory + "/*_amp.txt"
};

ConfigLocation configLocation(const QString &workingDirectory);

// The start path: the file's first line (up to NUL, LF or CR, cut to 511 characters without
// splitting a surrogate pair), or the pattern path when the file is missing, unreadable, not a
// regular file (a FIFO is never opened) or its first line is empty. A symbolic link is followed
// only when it and the file it leads to belong to the user running the viewer.
QString loadConfig(const ConfigLocation &location);

// Writes the path as the whole file, without a line end. Writes a temporary file and renames
// it, so a failed write leaves the old file as it was; in a read-only folder an existing
// writable file is written in place, and a failed write there puts the old contents back. A
// symbolic link is followed only to a regular file and only when the link and that file belong
// to the user, whose contents are then replaced; any other link, or a configuration path that
// is not a regular file, is left alone. Failures are silent; returns whether the file was written.
bool saveConfig(const ConfigLocation &location, const QString &lastFilePath);
