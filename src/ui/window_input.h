#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include <initializer_list>

class QDragEnterEvent;
class QDropEvent;
class QWidget;

// Accepts a drag that carries a local file, so the window receives its drop.
void acceptFileDrag(QDragEnterEvent *event);
// The first local file among the dropped URLs, the drop accepted; empty (the drop ignored)
// when there is none. Other URLs are passed over.
QString acceptFileDrop(QDropEvent *event);

// The key sequences for one command, each once, without empty ones (a standard key the
// platform does not define).
QList<QKeySequence> distinctKeys(std::initializer_list<QKeySequence> keys);
