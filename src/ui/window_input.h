#pragma once

#include <QKeySequence>
#include <QString>

#include <functional>
#include <initializer_list>

class QDragEnterEvent;
class QDropEvent;
class QWidget;

// Accepts a drag that carries a local file, so the window receives its drop.
void acceptFileDrag(QDragEnterEvent *event);
// The first local file among the dropped URLs, the drop accepted; empty (the drop ignored)
// when there is none. Other URLs are passed over.
QString acceptFileDrop(QDropEvent *event);

// Binds each distinct key sequence to action while a window of widget's has the focus. Empty
// sequences (a standard key the platform does not define) are skipped.
void addShortcuts(QWidget *widget, std::initializer_list<QKeySequence> keys, const std::function<void()> &action);
