#include "data/output_file.h"

#include "data/regular_file.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A write-only device on a descriptor that writes every byte or fails: a short write is
// retried, so a full disk or a size limit always ends in an error with its errno, which the
// writers (image, SVG and PDF writers ignore some results) cannot lose.
class CheckedDevice : public QIODevice {
public:
    explicit CheckedDevice(int descriptor)
        : descriptor_(descriptor)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    int failure() const { return failure_; }

    bool seek(qint64 position) override
    {
        if (failure_ == 0 && ::lseek(descriptor_, position, SEEK_SET) < 0)
            failure_ = errno;
        return failure_ == 0 && QIODevice::seek(position);
    }

    qint64 size() const override
    {
        struct stat status {};
        return ::fstat(descriptor_, &status) == 0 ? qint64(status.st_size) : 0;
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }

    qint64 writeData(const char *data, qint64 length) override
    {
        qint64 written = 0;
        while (failure_ == 0 && written < length) {
            const ssize_t count = ::write(descriptor_, data + written, size_t(length - written));
            if (count > 0)
                written += count;
            else if (count < 0 && errno != EINTR)
                failure_ = errno;
            else if (count == 0)
                failure_ = EIO;
        }
        if (failure_ != 0) {
            setErrorString(systemReason(failure_));
            return -1;
        }
        return written;
    }

private:
    int descriptor_;
    int failure_ = 0;
};

// The file that a write to path would replace: path itself, or the regular file its link
// leads to. Renaming over a link's target that is a device would replace the device node.
QString writableTarget(const QString &path, QString &target, bool &exists)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    exists = ::lstat(name.constData(), &status) == 0;
    if (!exists) {
        if (errno != ENOENT)
            return systemReason(errno);
        target = path;
        return QString();
    }
    target = path;
    if (S_ISLNK(status.st_mode)) {
        if (::stat(name.constData(), &status) != 0)
            return systemReason(errno);
        target = QFileInfo(path).canonicalFilePath();
    }
    if (S_ISDIR(status.st_mode))
        return systemReason(EISDIR);
    if (!S_ISREG(status.st_mode))
        return notRegularFileReason();
    return QString();
}

// The mode a newly created file would get, or the mode of the file being replaced.
mode_t modeFor(const QByteArray &target, bool exists)
{
    struct stat status {};
    if (exists && ::stat(target.constData(), &status) == 0)
        return status.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Runs the writer on the descriptor and closes it; the reason on failure.
QString writeAndClose(int descriptor, const std::function<bool(QIODevice &)> &writer)
{
    CheckedDevice device(descriptor);
    const bool written = writer(device);
    int failure = device.failure();
    if (failure == 0 && !written)
        failure = -1;
    if (failure == 0 && ::fsync(descriptor) != 0 && errno != EINVAL)
        failure = errno;
    if (::close(descriptor) != 0 && failure == 0)
        failure = errno;
    if (failure == -1)
        return QStringLiteral("The writer failed");
    return failure == 0 ? QString() : systemReason(failure);
}

// The one temporary file being written, for the signal handler: a fixed buffer, since the
// handler may only read memory and call async-signal-safe functions.
char pendingPath[PATH_MAX + 1];
volatile std::sig_atomic_t pendingSet = 0;

void removePendingAndReraise(int signal)
{
    if (pendingSet)
        ::unlink(pendingPath);
    ::raise(signal);
}

// A temporary file made from a mkostemp pattern, registered for removal on TERM, INT and HUP
// for as long as this object lives.
class PendingTemporary {
public:
    explicit PendingTemporary(const QByteArray &pattern)
        : path_(pattern)
    {
        // Held back between making the file and registering it, so no signal falls between.
        sigset_t stops;
        sigset_t previous;
        sigemptyset(&stops);
        for (const int signal : {SIGTERM, SIGINT, SIGHUP})
            sigaddset(&stops, signal);
        pthread_sigmask(SIG_BLOCK, &stops, &previous);
        descriptor_ = ::mkostemp(path_.data(), O_CLOEXEC);
        error_ = errno;
        if (descriptor_ >= 0 && path_.size() <= PATH_MAX) {
            std::memcpy(pendingPath, path_.constData(), size_t(path_.size()) + 1);
            pendingSet = 1;
        }
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    }
    ~PendingTemporary() { pendingSet = 0; }
    PendingTemporary(const PendingTemporary &) = delete;
    PendingTemporary &operator=(const PendingTemporary &) = delete;

    int descriptor() const { return descriptor_; }
    int error() const { return error_; }   // errno of a failed mkostemp
    const QByteArray &path() const { return path_; }
    void remove()
    {
        pendingSet = 0;
        ::unlink(path_.constData());
    }

private:
    QByteArray path_;
    int descriptor_ = -1;
    int error_ = 0;
};

// Writes into the existing file itself, where no temporary file can be made beside it (a
// read-only folder). The new contents go over the old from the start and the file is cut to
// their length only once they are all written; if writing fails, the old contents are put back.
QString writeInPlace(const QByteArray &targetName, const std::function<bool(QIODevice &)> &writer)
{
    const int descriptor = ::open(targetName.constData(), O_RDWR | O_CLOEXEC);
    if (descriptor < 0)
        return systemReason(errno);
    QByteArray old;
    char buffer[4096];
    for (ssize_t count; (count = ::read(descriptor, buffer, sizeof buffer)) != 0;) {
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            const int error = errno;
            ::close(descriptor);
            return systemReason(error);
        }
        old.append(buffer, count);
    }
    if (::lseek(descriptor, 0, SEEK_SET) != 0) {
        const int error = errno;
        ::close(descriptor);
        return systemReason(error);
    }
    CheckedDevice device(descriptor);
    int failure = writer(device) ? device.failure() : (device.failure() ? device.failure() : -1);
    const off_t length = ::lseek(descriptor, 0, SEEK_CUR);
    if (failure == 0 && (length < 0 || ::ftruncate(descriptor, length) != 0 || ::fsync(descriptor) != 0))
        failure = errno == EINVAL ? 0 : errno;
    if (failure != 0) {
        // Put back what was there; the old contents fitted before, so they fit again. Should
        // even that fail, the reason already found is still the one to give.
        const bool restored = ::pwrite(descriptor, old.constData(), size_t(old.size()), 0) == old.size()
            && ::ftruncate(descriptor, old.size()) == 0;
        Q_UNUSED(restored);
    }
    if (::close(descriptor) != 0 && failure == 0)
        failure = errno;
    if (failure == -1)
        return QStringLiteral("The writer failed");
    return failure == 0 ? QString() : systemReason(failure);
}

} // namespace

QString writeOutputFile(const QString &path, const std::function<bool(QIODevice &)> &writer,
                        DirectWrite direct)
{
    if (path.isEmpty())
        return systemReason(ENOENT);
    QString target;
    bool exists = false;
    const QString refused = writableTarget(path, target, exists);
    if (!refused.isEmpty())
        return refused;

    const QByteArray targetName = QFile::encodeName(target);
    // The temporary file sits beside the target, so the rename never crosses file systems. Its
    // name is short and fixed, so any name the file system takes for the output fits.
    PendingTemporary temporary(QFile::encodeName(QFileInfo(target).absolutePath()) + "/.velkview.XXXXXX");
    if (temporary.descriptor() < 0) {
        const int error = temporary.error();
        if (direct == DirectWrite::IntoWritableTarget && exists && (error == EACCES || error == EPERM))
            return writeInPlace(targetName, writer);
        return systemReason(error);
    }
    ::fchmod(temporary.descriptor(), modeFor(targetName, exists));
    QString reason = writeAndClose(temporary.descriptor(), writer);
    if (reason.isEmpty() && ::rename(temporary.path().constData(), targetName.constData()) != 0)
        reason = systemReason(errno);
    if (!reason.isEmpty())
        temporary.remove();
    return reason;
}

void removePendingOutputOnSignals()
{
    struct sigaction action {};
    action.sa_handler = removePendingAndReraise;
    sigemptyset(&action.sa_mask);
    // Reset to the default on entry, so the re-raised signal ends the process as it would have.
    action.sa_flags = SA_RESETHAND;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction previous {};
        // A signal the caller's parent ignored (nohup) stays ignored.
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN)
            ::sigaction(signal, &action, nullptr);
    }
}

bool isSameFile(const QString &first, const QString &second)
{
    struct stat firstStatus {};
    struct stat secondStatus {};
    if (first.isEmpty() || second.isEmpty()
        || ::stat(QFile::encodeName(first).constData(), &firstStatus) != 0
        || ::stat(QFile::encodeName(second).constData(), &secondStatus) != 0)
        return false;
    return firstStatus.st_dev == secondStatus.st_dev && firstStatus.st_ino == secondStatus.st_ino;
}
