#include "data/windows_error.h"

#include <QDir>

#include <cerrno>
#include <cstring>
#include <string>

#include <windows.h>

QString windowsErrorReason(unsigned long error)
{
    int posix = 0;
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
        posix = ENOENT;
        break;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        posix = EACCES;
        break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        posix = ENOSPC;
        break;
    case ERROR_DIRECTORY:
        posix = EISDIR;
        break;
    case ERROR_FILENAME_EXCED_RANGE:
        posix = ENAMETOOLONG;
        break;
    default:
        break;
    }
    if (posix != 0)
        return QString::fromLocal8Bit(std::strerror(posix));
    wchar_t *text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                            | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    QString reason = length ? QString::fromWCharArray(text, int(length)).trimmed()
                            : QStringLiteral("Windows error %1").arg(error);
    LocalFree(text);
    return reason;
}

std::wstring windowsPath(const QString &path)
{
    QString native = QDir::toNativeSeparators(path);
    // Past MAX_PATH only the \\?\ form reaches the file.
    if (native.size() >= MAX_PATH - 12 && !native.startsWith(QLatin1String("\\\\"))
        && QDir::isAbsolutePath(path))
        native.prepend(QLatin1String("\\\\?\\"));
    return native.toStdWString();
}
