#pragma once

#include <QKeySequence>
#include <QString>

#include <functional>
#include <initializer_list>

class QMimeData;
class QWidget;

// The first local file among dropped URLs; empty when there is none (other URLs are ignored).
QString droppedFile(const QMimeData *data);

// Binds each distinct key sequence to action while a window of widget's has the focus. Empty
// sequences (a standard key the platform does not define) are skipped.
void addShortcuts(QWidget *widget, std::initializer_list<QKeySequence> keys, const std::function<void()> &action);
