#include "app/first_paint_exit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace {

class FirstPaintExit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The filter sees the paint before the window handles it; the queued exit runs once
        // the paint handler has returned.
        if (event->type() == QEvent::Paint
            && watched->objectName() == QLatin1String("CErgebnisDlg")) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
        }
        return false;
    }
};

} // namespace

void exitAfterFirstResultsPaintIfAsked(QCoreApplication &app)
{
    if (qEnvironmentVariableIsSet("VELKVIEW_EXIT_AFTER_FIRST_PAINT"))
        app.installEventFilter(new FirstPaintExit(&app));
}
