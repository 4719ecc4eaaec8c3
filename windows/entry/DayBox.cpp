#include "windows/entry/DayBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

DayBox::DayBox(int month, int index, QWidget *parent)
    : QLineEdit(parent)
    , m_month(month)
    , m_index(index)
{
    // The border is drawn here, one pixel wide, so that it coincides with the borders of
    // the neighbouring boxes and day numbers and each month reads as a ruled table.
    setFrame(false);
    setTextMargins(3, 1, 2, 1);
    setMouseTracking(true);
}

// Undo and redo belong to the box while it has typing of its own to take back or do again;
// otherwise the keys go to the window, which takes back changes of the whole calendar.
bool DayBox::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->matches(QKeySequence::Undo) && !isUndoAvailable())
            || (key->matches(QKeySequence::Redo) && !isRedoAvailable())) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void DayBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    emit focused(this, event->reason());
}

void DayBox::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QLineEdit::mouseMoveEvent(event);
}

void DayBox::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
