#include "windows/preview/ViewportFrame.h"

#include "windows/widgets/Twips.h"

#include <QPainter>
#include <QPalette>

ViewportFrame::ViewportFrame(const Twips::Rect &geometry, QWidget *parent)
    : QWidget(parent)
    , m_outerWidth(geometry.width)
    , m_outerHeight(geometry.height)
    , m_drawingArea(new QWidget(this))
{
    setGeometry(Twips::rect(geometry));
    m_drawingArea->setGeometry(Twips::rect(borderTwips, borderTwips, m_outerWidth - 2 * borderTwips,
                                           m_outerHeight - 2 * borderTwips));
    QPalette white = m_drawingArea->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_drawingArea->setPalette(white);
    m_drawingArea->setAutoFillBackground(true);
}

void ViewportFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
