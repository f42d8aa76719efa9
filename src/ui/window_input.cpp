#include "ui/window_input.h"

#include <QDropEvent>
#include <QList>
#include <QMimeData>
#include <QShortcut>
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

void addShortcuts(QWidget *widget, std::initializer_list<QKeySequence> keys, const std::function<void()> &action)
{
    QList<QKeySequence> bound;
    for (const QKeySequence &key : keys) {
        if (key.isEmpty() || bound.contains(key))
            continue;
        bound.append(key);
        auto *shortcut = new QShortcut(key, widget);
        QObject::connect(shortcut, &QShortcut::activated, widget, action);
    }
}
