#include "data/file_stamp.h"
#include "data/file_name_case.h"

#include "data/windows_error.h"

#include <windows.h>

namespace {

constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opened for attributes only and shared every way, so the measuring station can go on writing,
// renaming and deleting the file while it is looked at.
HANDLE openForAttributes(const QString &path, DWORD flags)
{
    return CreateFileW(windowsPath(path).c_str(), FILE_READ_ATTRIBUTES, shareAll, nullptr, OPEN_EXISTING,
                       flags, nullptr);
}

qint64 nanoseconds(const LARGE_INTEGER &time)
{
    // FILETIME counts 100 ns steps.
    return time.QuadPart * 100;
}

} // namespace

FileStamp fileStamp(const QString &path)
{
    if (path.isEmpty())
        return {};
    const HANDLE handle = openForAttributes(path, FILE_ATTRIBUTE_NORMAL);
    if (handle == INVALID_HANDLE_VALUE)
        return {};
    FileStamp stamp;
    FILE_BASIC_INFO basic {};
    FILE_STANDARD_INFO standard {};
    BY_HANDLE_FILE_INFORMATION identity {};
    // ChangeTime moves with any change of contents or attributes, as st_ctime does.
    if (GetFileType(handle) == FILE_TYPE_DISK
        && GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic)
        && GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard)
        && GetFileInformationByHandle(handle, &identity) && !standard.Directory) {
        stamp = {true, standard.EndOfFile.QuadPart, nanoseconds(basic.LastWriteTime), nanoseconds(basic.ChangeTime),
                 (quint64(identity.nFileIndexHigh) << 32) | identity.nFileIndexLow};
    }
    CloseHandle(handle);
    return stamp;
}

bool endsWithLineEnd(const QString &path, qint64 size)
{
    if (size <= 0)
        return true;
    const HANDLE handle = CreateFileW(windowsPath(path).c_str(), GENERIC_READ, shareAll, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return true;
    char last = 0;
    DWORD count = 0;
    OVERLAPPED at {};
    at.Offset = DWORD(quint64(size - 1) & 0xffffffffu);
    at.OffsetHigh = DWORD(quint64(size - 1) >> 32);
    const bool read = GetFileType(handle) == FILE_TYPE_DISK && ReadFile(handle, &last, 1, &count, &at) && count == 1;
    CloseHandle(handle);
    return !read || last == '\n';
}

QByteArray folderIdentity(const QString &path, QString *reason)
{
    // A directory opens only with backup semantics.
    const HANDLE handle = openForAttributes(path, FILE_FLAG_BACKUP_SEMANTICS);
    if (handle == INVALID_HANDLE_VALUE) {
        if (reason)
            *reason = QStringLiteral("No such file or directory");
        return {};
    }
    BY_HANDLE_FILE_INFORMATION identity {};
    QByteArray value;
    if (GetFileInformationByHandle(handle, &identity) && (identity.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        value = QByteArray::number(quint64(identity.dwVolumeSerialNumber)) + ':'
            + QByteArray::number((quint64(identity.nFileIndexHigh) << 32) | identity.nFileIndexLow);
    }
    CloseHandle(handle);
    if (value.isEmpty() && reason)
        *reason = QStringLiteral("Not a directory");
    return value;
}

Qt::CaseSensitivity fileNameCase()
{
    return Qt::CaseInsensitive;
}
