#include "ui/text_fit.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace {

const char templateWidthProperty[] = "velkviewTemplateWidth";
const char leftToRightXProperty[] = "velkviewLeftToRightX";

// The template places controls left to right; a right-to-left layout (-reverse, or a language
// written so) shows the same dialog mirrored. forward: from the template's places to the
// mirrored ones; otherwise back.
void mirrorControls(QWidget *dialog, bool forward)
{
    for (QObject *child : dialog->children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (!control || control->isWindow())
            continue;
        if (!forward) {
            const QVariant stored = control->property(leftToRightXProperty);
            if (stored.isValid())
                control->move(stored.toInt(), control->y());
            continue;
        }
        control->setProperty(leftToRightXProperty, control->x());
        control->move(dialog->width() - control->x() - control->width(), control->y());
    }
}

// Mnemonic ampersands take no room; a doubled one is one character.
QString shownText(QString text)
{
    return text.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

int templateWidth(QWidget *widget)
{
    const QVariant stored = widget->property(templateWidthProperty);
    if (stored.isValid())
        return stored.toInt();
    widget->setProperty(templateWidthProperty, widget->width());
    return widget->width();
}

// How far right control may reach: the client area, the nearest control to its right on any
// of its rows, or the inside of a group box that holds it.
int rightLimit(const QWidget *dialog, const QWidget *control)
{
    const QRect own = control->geometry();
    int limit = dialog->width();
    for (const QObject *child : dialog->children()) {
        const auto *other = qobject_cast<const QWidget *>(child);
        if (!other || other == control || other->isWindow())
            continue;
        const QRect rect = other->geometry();
        if (rect.contains(own))
            limit = std::min(limit, rect.x() + other->contentsRect().right() + 1);
        else if (own.contains(rect))
            continue;
        else if (rect.top() <= own.bottom() && own.top() <= rect.bottom() && rect.left() >= own.right())
            limit = std::min(limit, rect.left());
    }
    return limit;
}

// The window manager draws the caption in its own title font, usually the system's in bold,
// beside an icon and up to three buttons; their size follows the font's height.
int captionWidthNeeded(const QString &title)
{
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    const int decorations = 4 * (metrics.height() + 4);
    return metrics.horizontalAdvance(title) + decorations;
}

int captionWidthNeeded(const QWidget *dialog)
{
    return captionWidthNeeded(dialog->windowTitle());
}

// The width a control's text needs in its font, 0 for a control without text.
int textWidthNeeded(const QWidget *control)
{
    const QFontMetrics metrics(control->font());
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        if (label->text().isEmpty() || label->wordWrap())
            return 0;
        const int extra = label->width() - label->contentsRect().width() + 2 * std::max(label->indent(), 0);
        return metrics.horizontalAdvance(label->text()) + extra;
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        if (button->text().isEmpty())
            return 0;
        const QStyle *style = button->style();
        return metrics.horizontalAdvance(shownText(button->text()))
            + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
            + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    }
    if (const auto *group = qobject_cast<const QGroupBox *>(control)) {
        if (group->title().isEmpty())
            return 0;
        // The title sits indented past the frame's corner on either side.
        return metrics.horizontalAdvance(shownText(group->title())) + 2 * metrics.averageCharWidth();
    }
    return 0;
}

} // namespace

QRect templateGeometry(const QWidget *control)
{
    const QVariant stored = control->property(templateWidthProperty);
    return QRect(control->pos(), QSize(stored.isValid() ? stored.toInt() : control->width(), control->height()));
}

void fitTextsToWidths(QWidget *dialog)
{
    // Fitted in the template's direction, then mirrored again where the layout asks for it.
    mirrorControls(dialog, false);
    for (QObject *child : dialog->children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (!control || control->isWindow())
            continue;
        control->resize(templateWidth(control), control->height());
    }
    // The dialog first, so the controls may use the room a long caption gives.
    if (dialog->minimumWidth() == dialog->maximumWidth())
        dialog->setFixedWidth(std::max(templateWidth(dialog), captionWidthNeeded(dialog)));
    for (QObject *child : dialog->children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (!control || control->isWindow())
            continue;
        const int needed = textWidthNeeded(control);
        if (needed <= control->width())
            continue;
        const int room = rightLimit(dialog, control) - control->x();
        control->resize(std::max(control->width(), std::min(needed, room)), control->height());
    }
    if (dialog->isRightToLeft())
        mirrorControls(dialog, true);
}
