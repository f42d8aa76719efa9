#include "app/session_bus.h"

#include <QGuiApplication>
#include <QThread>
#ifdef VELKVIEW_SESSION_BUS
#include <QDBusConnection>
#endif

std::unique_ptr<QThread> connectSessionBusBeside()
{
#ifdef VELKVIEW_SESSION_BUS
    // The bridge exists on X11 and Wayland; the offscreen platform of the tests has none.
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("xcb") && !platform.startsWith(QLatin1String("wayland")))
        return nullptr;
    // Qt keeps the connection, and hands the bridge this one.
    std::unique_ptr<QThread> thread(QThread::create([] { QDBusConnection::sessionBus(); }));
    thread->start();
    return thread;
#else
    return nullptr;
#endif
}
