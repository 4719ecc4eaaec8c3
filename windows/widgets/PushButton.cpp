#include "windows/widgets/PushButton.h"

#include "windows/widgets/WindowFonts.h"

#include <QMouseEvent>

PushButton::PushButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    setMouseTracking(true);
    // A move over the button is the button's own: it must not also reach the window
    // below, whose handler would set the window's pointer back to the default.
    setAttribute(Qt::WA_NoMousePropagation);
    setFont(WindowFonts::button());
}

PushButton *PushButton::create(QWidget *parent, const QString &objectName, const QString &text, const QRect &geometry)
{
    auto *button = new PushButton(text, parent);
    button->setObjectName(objectName);
    button->setGeometry(geometry);
    return button;
}

void PushButton::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    emit mouseOver(event->buttons(), event->modifiers(), position.x(), position.y());
    QPushButton::mouseMoveEvent(event);
}
