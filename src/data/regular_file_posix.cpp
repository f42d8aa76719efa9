#include "data/regular_file.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

QString notRegularFileReason()
{
    return QStringLiteral("Not a regular file");
}

QString openRegularFile(const QString &path, QFile &file)
{
    file.close();
    if (path.isEmpty())
        return systemReason(ENOENT);
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        return systemReason(errno);
    if (S_ISDIR(status.st_mode))
        return systemReason(EISDIR);
    if (!S_ISREG(status.st_mode))
        return notRegularFileReason();

    // O_NONBLOCK keeps a FIFO put in the file's place since the check from blocking the open.
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return systemReason(errno);
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        const int error = errno;
        ::close(descriptor);
        return S_ISREG(status.st_mode) ? systemReason(error) : notRegularFileReason();
    }
    // O_NONBLOCK stays: regular files ignore it, but a kernel file that only looks regular
    // (/proc/kmsg) would otherwise block for ever; there a read fails with EAGAIN instead.
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return file.errorString();
    }
    return QString();
}
