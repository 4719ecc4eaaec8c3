#include "shell/PushButton.h"

#include <QMouseEvent>

PushButton::PushButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    setMouseTracking(true);
}

void PushButton::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    emit mouseOver(event->buttons(), event->modifiers(), position.x(), position.y());
    QPushButton::mouseMoveEvent(event);
}
