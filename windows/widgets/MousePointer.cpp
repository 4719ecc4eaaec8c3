#include "windows/widgets/MousePointer.h"

MousePointer::MousePointer(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    setObjectName(QStringLiteral("MousePointer"));
}

void MousePointer::set(int value)
{
    m_value = value;
    if (!m_window)
        return;
    if (value == Hourglass)
        m_window->setCursor(Qt::WaitCursor);
    else if (value == Custom && m_customCursor)
        m_window->setCursor(*m_customCursor);
    else
        m_window->setCursor(Qt::ArrowCursor);
}

void MousePointer::setCustomCursor(const QCursor &cursor)
{
    m_customCursor = cursor;
    if (m_value == Custom)
        set(Custom);
}

void MousePointer::movedOverSurface()
{
    if (m_value != Hourglass)
        set(Default);
}

void MousePointer::movedOverButton()
{
    if (m_value != Hourglass)
        set(Custom);
}
