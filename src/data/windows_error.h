#pragma once

#include <QString>

#include <string>

// Windows only: the reason for a failed Windows call in the words the POSIX build gives for
// the same failure ("No such file or directory"), so messages and tests agree on both
// systems; other errors in Windows' own words.
QString windowsErrorReason(unsigned long error);

// Windows only: path as Windows takes it (backslashes, \\?\ before a long absolute path).
std::wstring windowsPath(const QString &path);
