#include "data/regular_file.h"

#include "data/windows_error.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

QString notRegularFileReason()
{
    return QStringLiteral("Not a regular file");
}

QString openRegularFile(const QString &path, QFile &file)
{
    file.close();
    if (path.isEmpty())
        return QString::fromLocal8Bit(std::strerror(ENOENT));
    const std::wstring name = windowsPath(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return windowsErrorReason(GetLastError());
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return QString::fromLocal8Bit(std::strerror(EISDIR));
    // Shared for writing and deleting too: the measuring station may still be writing the file,
    // or rename or delete it, while it is read.
    const HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return windowsErrorReason(GetLastError());
    // A device name (NUL, COM1) or a pipe opens too; only a file on a disk is read.
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        return notRegularFileReason();
    }
    // Binary: the reader sees every byte as it is, carriage returns included.
    const int descriptor = _open_osfhandle(intptr_t(handle), _O_RDONLY | _O_BINARY);
    if (descriptor < 0) {
        CloseHandle(handle);
        return QString::fromLocal8Bit(std::strerror(EMFILE));
    }
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        _close(descriptor);
        return file.errorString();
    }
    return QString();
}
