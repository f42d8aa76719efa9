#include "app/termination_signals.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <windows.h>

namespace {

std::function<void()> quitRequested;

BOOL WINAPI onConsoleEvent(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT)
        return FALSE;
    // Runs on a thread of the system's: the quit itself runs on the GUI thread.
    QMetaObject::invokeMethod(QCoreApplication::instance(), [] { quitRequested(); }, Qt::QueuedConnection);
    return TRUE;
}

} // namespace

void quitOnTerminationSignals(std::function<void()> quit)
{
    quitRequested = std::move(quit);
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}
