#include "data/file_stamp.h"
#include "data/file_name_case.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

qint64 nanoseconds(const struct timespec &time)
{
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

} // namespace

FileStamp fileStamp(const QString &path)
{
    struct stat status {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return {};
    return {true, qint64(status.st_size), nanoseconds(status.st_mtim), nanoseconds(status.st_ctim),
            quint64(status.st_ino)};
}

bool endsWithLineEnd(const QString &path, qint64 size)
{
    if (size <= 0)
        return true;
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0)
        return true;
    char last = 0;
    const bool read = ::pread(descriptor, &last, 1, size - 1) == 1;
    ::close(descriptor);
    return !read || last == '\n';
}

QByteArray folderIdentity(const QString &path, QString *reason)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        if (reason)
            *reason = QString::fromLocal8Bit(std::strerror(errno));
        return {};
    }
    if (!S_ISDIR(status.st_mode)) {
        if (reason)
            *reason = QStringLiteral("Not a directory");
        return {};
    }
    return QByteArray::number(quint64(status.st_dev)) + ':' + QByteArray::number(quint64(status.st_ino));
}

Qt::CaseSensitivity fileNameCase()
{
    return Qt::CaseSensitive;
}
