#include "app/own_link.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

// As the kernel's rule for links in sticky folders has it.
bool isOwnLinkOrNoLink(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
        return true;
    if (status.st_uid != ::geteuid())
        return false;
    return ::stat(name.constData(), &status) != 0 || status.st_uid == ::geteuid();
}
