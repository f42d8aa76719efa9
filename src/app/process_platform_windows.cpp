#include "app/process_platform.h"

#include <QDir>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

namespace {

bool hasHandle(DWORD stream)
{
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

} // namespace

void setUpProcess()
{
    // A GUI program gets no console of its own. Started from one without redirection, its
    // batch output and errors go to that console; redirected, they go where they were sent.
    const bool hasOut = hasHandle(STD_OUTPUT_HANDLE);
    const bool hasError = hasHandle(STD_ERROR_HANDLE);
    if ((!hasOut || !hasError) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (!hasOut)
            std::freopen("CONOUT$", "w", stdout);
        if (!hasError)
            std::freopen("CONOUT$", "w", stderr);
    } else {
        // Nowhere to write (started from the desktop): a stream held by NUL, read-only, so
        // writes to it fail and are reported instead of reaching a file the program opened.
        if (!hasOut)
            std::freopen("NUL", "r", stdout);
        if (!hasError)
            std::freopen("NUL", "r", stderr);
    }
    // --dump and --csv write the same bytes as on Linux: no CR is added before LF.
    _setmode(_fileno(stdout), _O_BINARY);
}

QStringList processArguments(int, char **)
{
    QStringList arguments;
    int count = 0;
    wchar_t **words = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 0; words && i < count; ++i)
        arguments.append(QString::fromWCharArray(words[i]));
    LocalFree(words);
    return arguments;
}

bool argumentKeepsItsName(const QString &, int, char **)
{
    // The arguments are taken in UTF-16, which carries every name the file system can hold.
    return true;
}

bool displayAvailable()
{
    return true;
}

void prepareOffscreenFonts()
{
    // The offscreen platform reads fonts from one folder, by default one inside Qt's own;
    // the system's are in %windir%\Fonts.
    if (!qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR"))
        return;
    const QString windows = qEnvironmentVariable("windir", qEnvironmentVariable("SystemRoot"));
    if (!windows.isEmpty())
        qputenv("QT_QPA_FONTDIR", QDir(windows).filePath(QStringLiteral("Fonts")).toLocal8Bit());
}

bool readerClosedThePipe(int error)
{
    // The runtime reports a pipe closed at the far end as EINVAL; the system's own error says
    // which it was.
    return error == EPIPE
        || (error == EINVAL
            && (_doserrno == ERROR_NO_DATA || _doserrno == ERROR_BROKEN_PIPE || _doserrno == ERROR_PIPE_NOT_CONNECTED));
}

void useEnglishSystemMessages()
{
    // The C runtime's strerror speaks English on Windows whatever the user's language.
}
