#include "shell/PushButton.h"

#include <QMouseEvent>

PushButton::PushButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    setMouseTracking(true);
    // A move over the button is the button's own: it must not also reach the window
    // below, whose handler would set the window's pointer back to the default.
    setAttribute(Qt::WA_NoMousePropagation);
}

void PushButton::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    emit mouseOver(event->buttons(), event->modifiers(), position.x(), position.y());
    QPushButton::mouseMoveEvent(event);
}
