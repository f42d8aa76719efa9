#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

// The system's reason for a failed file operation ("No such file or directory", as strerror
// gives it in the C locale) in the viewer's language for the common cases: missing, permission
// denied, not a regular file, a directory, no space, read-only file system. Any other reason is
// returned as the system gave it.
QString reasonText(const QString &systemReason);

// A message box's informative text for a file: its native path on one line, the reason (in the
// viewer's language, see reasonText) on the next. A name that could not be decoded in the
// locale gets "The name cannot be shown in this locale" instead of "not found".
QString fileDetails(const QString &path, const QString &systemReason);

// Why path may not be written when it is one of the files of the measurements shown (each
// amplitude file in ampPaths and its reference partner; empty entries are skipped): the error
// box's informative text (fileDetails); else an empty string.
QString refusedSaveDetails(const QString &path, const QStringList &ampPaths);

// Writes a file whose name the user chose (a save, a print to a file): refused before anything
// is written when it is one of the files of the measurements shown (each amplitude file in
// ampPaths and its reference partner; empty entries are skipped), else written whole or not at
// all by writeOutputFile. Returns an empty string when the file was written, else the error
// box's informative text (fileDetails).
QString writeChosenFile(const QString &path, const QStringList &ampPaths,
                        const std::function<bool(QIODevice &)> &writer);
