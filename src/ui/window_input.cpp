#include "ui/window_input.h"

#include <QDropEvent>
#include <QList>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

QString droppedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return QString();
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return QString();
}

} // namespace

void acceptFileDrag(QDragEnterEvent *event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

QString acceptFileDrop(QDropEvent *event)
{
    const QString path = droppedFile(event->mimeData());
    if (!path.isEmpty())
        event->acceptProposedAction();
    return path;
}

QList<QKeySequence> distinctKeys(std::initializer_list<QKeySequence> keys)
{
    QList<QKeySequence> distinct;
    for (const QKeySequence &key : keys) {
        // A key bound twice would be ambiguous, and Qt then runs neither.
        if (!key.isEmpty() && !distinct.contains(key))
            distinct.append(key);
    }
    return distinct;
}
