#include "data/output_file.h"

#include "data/ref_path.h"
#include "data/regular_file.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
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
    const QFileInfo info(target);
    // The temporary file sits beside the target, so the rename never crosses file systems.
    QByteArray temporary = QFile::encodeName(info.absolutePath() + QStringLiteral("/.")
                                             + info.fileName() + QStringLiteral(".XXXXXX"));
    const int descriptor = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) {
        const int error = errno;
        if (direct == DirectWrite::IntoWritableTarget && exists && (error == EACCES || error == EPERM)) {
            const int inPlace = ::open(targetName.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
            if (inPlace < 0)
                return systemReason(errno);
            return writeAndClose(inPlace, writer);
        }
        return systemReason(error);
    }
    ::fchmod(descriptor, modeFor(targetName, exists));
    QString reason = writeAndClose(descriptor, writer);
    if (reason.isEmpty() && ::rename(temporary.constData(), targetName.constData()) != 0)
        reason = systemReason(errno);
    if (!reason.isEmpty())
        ::unlink(temporary.constData());
    return reason;
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

bool isMeasurementFile(const QString &path, const QString &ampPath)
{
    return !ampPath.isEmpty() && (isSameFile(path, ampPath) || isSameFile(path, deriveRefPath(ampPath)));
}
