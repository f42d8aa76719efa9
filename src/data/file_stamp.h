#pragma once

#include <QByteArray>
#include <QString>

// What a regular file looks like to the folder follower: a change of any part counts as a
// change of the file.
struct FileStamp {
    bool exists = false;   // a regular file (a link to one counts) is there
    qint64 size = 0;
    qint64 modified = 0;   // last write, nanoseconds
    qint64 changed = 0;    // last change of contents or attributes, nanoseconds
    quint64 inode = 0;     // the file's identity on its volume: a file put in its place differs
};

// The stamp of path now; exists is false for a missing file, a directory or a device.
FileStamp fileStamp(const QString &path);

// Whether the byte before size ends a line ('\n'); true when size is 0 or the byte cannot be
// read. The file is opened shared, so the writer may go on writing, renaming or deleting it.
bool endsWithLineEnd(const QString &path, qint64 size);

// The directory's volume and identity as one value, or empty when path is not a directory
// (reason, when given, then says why, in the system's words): a folder deleted, renamed or
// unmounted and another put in its place gives a different value.
QByteArray folderIdentity(const QString &path, QString *reason = nullptr);
