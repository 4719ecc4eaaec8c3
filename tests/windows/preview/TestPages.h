#pragma once

#include "core/wordgen/PagePicture.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

// Page pictures drawn by the tests: white pages with a frame, a heading and lines of text,
// carrying `pixelRatio` times the pixels of their natural size, as captured pages do.
namespace TestPages {

inline QImage page(int naturalWidth, int naturalHeight, const QString &heading, double pixelRatio = 1.0,
                   const QColor &ink = Qt::black)
{
    QImage picture(qRound(naturalWidth * pixelRatio), qRound(naturalHeight * pixelRatio), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.scale(pixelRatio, pixelRatio);
    painter.setPen(QPen(ink, 1));
    painter.drawRect(QRectF(4, 4, naturalWidth - 8, naturalHeight - 8));
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(18);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(0, 12, naturalWidth, 24), Qt::AlignHCenter, heading);
    font.setPixelSize(9);
    font.setBold(false);
    painter.setFont(font);
    for (int line = 0; 48 + line * 12 < naturalHeight - 12; ++line)
        painter.drawText(QPointF(12, 48 + line * 12), QStringLiteral("%1  Mom Birthday, Elvis Anniversary").arg(line + 1));
    painter.end();
    PagePicture::setNaturalWidth(picture, naturalWidth);
    return picture;
}

// A page the size of a captured calendar page: 340 x 440 natural, 3.6 times the pixels.
inline QImage calendarPage(const QString &heading)
{
    return page(340, 440, heading, 3.6);
}

} // namespace TestPages
