#include "app/process_platform.h"

#include <QFile>

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstring>

#include <fcntl.h>

void setUpProcess()
{
    // Started with a standard stream closed, the next file opened would take its descriptor,
    // and --dump would write into a measurement or an output. A closed stream is held by
    // /dev/null, read-only, so writes to it fail and are reported instead.
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) < 0 && errno == EBADF)
            ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    }
#ifdef SIGXFSZ
    // Past a file-size limit a write must fail (EFBIG), so that the output writer removes its
    // temporary file and reports; the signal's default action would end the process and
    // leave that half-written file behind.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

QStringList processArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// A name that is not valid in the locale's encoding comes back with replacement characters.
bool argumentKeepsItsName(const QString &name, int argc, char **argv)
{
    const QByteArray encoded = QFile::encodeName(name);
    for (int i = 1; i < argc; ++i) {
        if (QByteArray::fromRawData(argv[i], qsizetype(std::strlen(argv[i]))).contains(encoded))
            return true;
    }
    return false;
}

bool displayAvailable()
{
    // X11 and Wayland need a server to talk to; without one Qt would abort.
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

void prepareOffscreenFonts()
{
    // Fontconfig finds the system's fonts.
}

bool readerClosedThePipe(int error)
{
    return error == EPIPE;
}

void useEnglishSystemMessages()
{
    qunsetenv("LANGUAGE");
    std::setlocale(LC_MESSAGES, "C");
}
