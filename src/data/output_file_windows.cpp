#include "data/output_file.h"

#include "data/regular_file.h"
#include "data/windows_error.h"

#include <QFileInfo>
#include <QIODevice>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <cwchar>

#include <windows.h>

namespace {

constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

QString posixReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A write-only device on a handle that writes every byte or fails, so a full disk always ends
// in an error the writers (image, SVG and PDF writers ignore some results) cannot lose. Bytes
// go out as they are: no text mode, no CR added before LF.
class HandleDevice : public QIODevice {
public:
    explicit HandleDevice(HANDLE handle)
        : handle_(handle)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    DWORD failure() const { return failure_; }

    bool seek(qint64 position) override
    {
        LARGE_INTEGER to {};
        to.QuadPart = position;
        if (failure_ == 0 && !SetFilePointerEx(handle_, to, nullptr, FILE_BEGIN))
            failure_ = GetLastError();
        return failure_ == 0 && QIODevice::seek(position);
    }

    qint64 size() const override
    {
        LARGE_INTEGER size {};
        return GetFileSizeEx(handle_, &size) ? size.QuadPart : 0;
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }

    qint64 writeData(const char *data, qint64 length) override
    {
        qint64 written = 0;
        while (failure_ == 0 && written < length) {
            DWORD count = 0;
            const DWORD chunk = DWORD(std::min<qint64>(length - written, 1 << 24));
            if (!WriteFile(handle_, data + written, chunk, &count, nullptr))
                failure_ = GetLastError();
            else if (count == 0)
                failure_ = ERROR_WRITE_FAULT;
            written += count;
        }
        if (failure_ != 0) {
            setErrorString(windowsErrorReason(failure_));
            return -1;
        }
        return written;
    }

private:
    HANDLE handle_;
    DWORD failure_ = 0;
};

// Opens path for attributes only, following links, shared every way.
HANDLE openToLookAt(const std::wstring &path)
{
    return CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, shareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                       nullptr);
}

// The file that a write to path would replace: path itself, or the regular file its link
// leads to. Directories, devices (NUL, COM1), pipes and dangling links are refused.
QString writableTarget(const QString &path, QString &target, bool &exists)
{
    const std::wstring name = windowsPath(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    exists = attributes != INVALID_FILE_ATTRIBUTES;
    target = path;
    if (!exists) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            return QString();
        return windowsErrorReason(error);
    }
    const HANDLE handle = openToLookAt(name);
    if (handle == INVALID_HANDLE_VALUE)
        return windowsErrorReason(GetLastError());
    BY_HANDLE_FILE_INFORMATION information {};
    const bool disk = GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &information);
    CloseHandle(handle);
    if (!disk)
        return notRegularFileReason();
    if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return posixReason(EISDIR);
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        target = QFileInfo(path).canonicalFilePath();
        if (target.isEmpty())
            return posixReason(ENOENT);
    }
    return QString();
}

// Runs the writer on the handle, flushes it to the disk and closes it; the reason on failure.
QString writeAndClose(HANDLE handle, const std::function<bool(QIODevice &)> &writer)
{
    HandleDevice device(handle);
    const bool written = writer(device);
    DWORD failure = device.failure();
    if (failure == 0 && !written) {
        CloseHandle(handle);
        return QStringLiteral("The writer failed");
    }
    if (failure == 0 && !FlushFileBuffers(handle))
        failure = GetLastError();
    if (!CloseHandle(handle) && failure == 0)
        failure = GetLastError();
    return failure == 0 ? QString() : windowsErrorReason(failure);
}

// The one temporary file being written, for the console handler, which runs on a thread of
// its own while the process is being stopped.
wchar_t pendingPath[32768];
volatile LONG pendingSet = 0;

BOOL WINAPI removePendingOnStop(DWORD)
{
    // The file is open shared for deletion: it goes when the process's handles close.
    if (InterlockedCompareExchange(&pendingSet, 0, 0))
        DeleteFileW(pendingPath);
    return FALSE;   // the next handler, in the end the default one, ends the process
}

// A temporary file beside the target with a short random name, registered for removal on
// Ctrl+C, Ctrl+Break, closing the console, logging off and shutting down while it lives.
class PendingTemporary {
public:
    explicit PendingTemporary(const QString &folder)
    {
        for (int attempt = 0; attempt < 100 && handle_ == INVALID_HANDLE_VALUE; ++attempt) {
            const QString name = QStringLiteral("%1/.velkview.%2")
                                     .arg(folder)
                                     .arg(QRandomGenerator::global()->generate() & 0xffffff, 6, 16, QLatin1Char('0'));
            path_ = windowsPath(name);
            handle_ = CreateFileW(path_.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
            error_ = handle_ == INVALID_HANDLE_VALUE ? GetLastError() : 0;
            if (error_ != ERROR_FILE_EXISTS && error_ != ERROR_ALREADY_EXISTS)
                break;
        }
        if (handle_ != INVALID_HANDLE_VALUE && path_.size() < std::size(pendingPath)) {
            std::wmemcpy(pendingPath, path_.c_str(), path_.size() + 1);
            InterlockedExchange(&pendingSet, 1);
        }
    }
    ~PendingTemporary() { InterlockedExchange(&pendingSet, 0); }
    PendingTemporary(const PendingTemporary &) = delete;
    PendingTemporary &operator=(const PendingTemporary &) = delete;

    HANDLE handle() const { return handle_; }
    DWORD error() const { return error_; }
    const std::wstring &path() const { return path_; }
    void remove()
    {
        InterlockedExchange(&pendingSet, 0);
        DeleteFileW(path_.c_str());
    }

private:
    std::wstring path_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    DWORD error_ = 0;
};

// Writes into the existing file itself, where no temporary file can be made beside it (a
// read-only folder); if writing fails, the old contents are put back.
QString writeInPlace(const std::wstring &target, const std::function<bool(QIODevice &)> &writer)
{
    const HANDLE handle = CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return windowsErrorReason(GetLastError());
    QByteArray old;
    char buffer[4096];
    DWORD count = 0;
    while (ReadFile(handle, buffer, sizeof buffer, &count, nullptr) && count > 0)
        old.append(buffer, count);
    const LARGE_INTEGER start {};
    DWORD failure = SetFilePointerEx(handle, start, nullptr, FILE_BEGIN) ? 0 : GetLastError();
    if (failure == 0) {
        HandleDevice device(handle);
        failure = writer(device) ? device.failure() : (device.failure() ? device.failure() : ERROR_WRITE_FAULT);
    }
    if (failure == 0 && (!SetEndOfFile(handle) || !FlushFileBuffers(handle)))
        failure = GetLastError();
    if (failure != 0) {
        // Put back what was there; the old contents fitted before, so they fit again.
        DWORD written = 0;
        SetFilePointerEx(handle, start, nullptr, FILE_BEGIN);
        WriteFile(handle, old.constData(), DWORD(old.size()), &written, nullptr);
        SetEndOfFile(handle);
    }
    CloseHandle(handle);
    return failure == 0 ? QString() : windowsErrorReason(failure);
}

// Moves the written temporary file over the target in one step. ReplaceFileW keeps the
// target's attributes and permissions; it cannot replace what is not there, and some file
// systems refuse it, where MoveFileExW replaces in one step all the same.
DWORD replaceTarget(const std::wstring &temporary, const std::wstring &target, bool exists)
{
    if (exists && ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                               nullptr))
        return 0;
    if (MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 0;
    return GetLastError();
}

// The volume and the file's index on it: one file, whatever name or link leads to it.
bool fileIdentity(const QString &path, BY_HANDLE_FILE_INFORMATION &information)
{
    const HANDLE handle = openToLookAt(windowsPath(path));
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    const bool known = GetFileInformationByHandle(handle, &information);
    CloseHandle(handle);
    return known;
}

} // namespace

QString writeOutputFile(const QString &path, const std::function<bool(QIODevice &)> &writer,
                        DirectWrite direct)
{
    if (path.isEmpty())
        return posixReason(ENOENT);
    QString target;
    bool exists = false;
    const QString refused = writableTarget(path, target, exists);
    if (!refused.isEmpty())
        return refused;

    const std::wstring targetName = windowsPath(QFileInfo(target).absoluteFilePath());
    PendingTemporary temporary(QFileInfo(target).absolutePath());
    if (temporary.handle() == INVALID_HANDLE_VALUE) {
        const DWORD error = temporary.error();
        if (direct == DirectWrite::IntoWritableTarget && exists && error == ERROR_ACCESS_DENIED)
            return writeInPlace(targetName, writer);
        return windowsErrorReason(error);
    }
    QString reason = writeAndClose(temporary.handle(), writer);
    if (reason.isEmpty()) {
        if (const DWORD error = replaceTarget(temporary.path(), targetName, exists))
            reason = windowsErrorReason(error);
    }
    if (!reason.isEmpty())
        temporary.remove();
    return reason;
}

void removePendingOutputOnSignals()
{
    SetConsoleCtrlHandler(removePendingOnStop, TRUE);
}

bool isSameFile(const QString &first, const QString &second)
{
    BY_HANDLE_FILE_INFORMATION firstFile {};
    BY_HANDLE_FILE_INFORMATION secondFile {};
    if (first.isEmpty() || second.isEmpty() || !fileIdentity(first, firstFile) || !fileIdentity(second, secondFile))
        return false;
    return firstFile.dwVolumeSerialNumber == secondFile.dwVolumeSerialNumber
        && firstFile.nFileIndexHigh == secondFile.nFileIndexHigh && firstFile.nFileIndexLow == secondFile.nFileIndexLow;
}
