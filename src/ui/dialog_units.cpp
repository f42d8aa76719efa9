#include "ui/dialog_units.h"

#include <QFont>
#include <QFontMetrics>
#include <QWidget>

DialogUnits::DialogUnits(const QFont &font)
{
    const QFontMetrics metrics(font);
    // Windows measures the average width over the 52 Latin letters, rounded up.
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    averageCharWidth_ = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    charHeight_ = metrics.height();
}

int DialogUnits::x(int units) const
{
    return units * averageCharWidth_ / 4;
}

int DialogUnits::y(int units) const
{
    return units * charHeight_ / 8;
}

QRect DialogUnits::rect(int left, int top, int width, int height) const
{
    return QRect(x(left), y(top), x(width), y(height));
}

void DialogUnits::place(QWidget *widget, int left, int top, int width, int height) const
{
    widget->setGeometry(rect(left, top, width, height));
}

QFont dialogFont()
{
    // 8 point at 96 dpi is 11 pixels; a pixel size keeps the layout the same on every screen.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    return font;
}
