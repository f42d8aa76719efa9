#pragma once

#include <QRect>

class QFont;
class QWidget;

// Converts dialog-template units to pixels the way Windows does: x pixels = units x average
// character width / 4, y pixels = units x character height / 8, for the dialog's font.
class DialogUnits {
public:
    explicit DialogUnits(const QFont &font);

    int x(int units) const;
    int y(int units) const;
    QRect rect(int x, int y, int width, int height) const;

    // Places a child widget at a template position.
    void place(QWidget *widget, int x, int y, int width, int height) const;

    int averageCharWidth() const { return averageCharWidth_; }
    int charHeight() const { return charHeight_; }

private:
    int averageCharWidth_;
    int charHeight_;
};

// The font of the program's dialogs, standing in for the templates' "MS Sans Serif" 8 point.
QFont dialogFont();
