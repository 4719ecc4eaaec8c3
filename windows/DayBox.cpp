#include "windows/DayBox.h"

#include <QFocusEvent>
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
