#include "ui/paint_hold.h"

#include <QEvent>
#include <QTimer>

PaintHold::PaintHold(QWidget *held, int limitMs)
    : held_(held)
{
    held->setUpdatesEnabled(false);
    held->installEventFilter(this);
    QTimer::singleShot(limitMs, this, &PaintHold::release);
}

PaintHold::~PaintHold()
{
    release();
}

void PaintHold::releaseAfterPaintOf(QWidget *cover)
{
    if (!held_)
        return;
    cover_ = cover;
    cover->installEventFilter(this);
}

void PaintHold::release()
{
    if (cover_)
        cover_->removeEventFilter(this);
    cover_ = nullptr;
    if (!held_)
        return;
    held_->removeEventFilter(this);
    // Turning updates on again schedules a paint of the whole window.
    held_->setUpdatesEnabled(true);
    held_ = nullptr;
}

bool PaintHold::eventFilter(QObject *watched, QEvent *event)
{
    // The covering window's paint goes ahead; the held one's is queued behind it.
    const QEvent::Type type = event->type();
    if ((watched == cover_ && (type == QEvent::Paint || type == QEvent::Hide))
        || (watched == held_ && type == QEvent::WindowBlocked))
        release();
    return false;
}
