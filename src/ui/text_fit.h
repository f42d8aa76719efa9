#pragma once

#include <QRect>

class QString;

class QWidget;

// Widens each label, push button and group box of a dialog whose text does not fit it, to the
// right only: positions stay, and a control grows no further than the dialog's client area,
// the next control to its right or the group box around it allow. A fixed-size dialog also
// grows to the right until its caption fits. Call again after the texts change: every control
// first returns to the width it had at the first call. In a right-to-left layout the controls
// then stand mirrored, their template places kept for the next call.
void fitTextsToWidths(QWidget *dialog);

// The control's geometry before any widening.
QRect templateGeometry(const QWidget *control);
