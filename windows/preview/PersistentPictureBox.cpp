#include "windows/preview/PersistentPictureBox.h"

#include "core/wordgen/PagePicture.h"
#include "windows/widgets/Twips.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

int twipsToPixels(float twips)
{
    return Twips::toPixels(static_cast<int>(std::nearbyint(twips)));
}

QRectF twipsToLogicalPixels(const QRectF &twips)
{
    const double perPixel = Twips::perPixel;
    return QRectF(twips.x() / perPixel, twips.y() / perPixel, twips.width() / perPixel, twips.height() / perPixel);
}

// The part `source` (in pixels of the picture) scaled to `size` device pixels, smoothly:
// shrinking averages, enlarging interpolates, always from the picture's own pixels.
QImage scaledPart(const QImage &picture, const QRectF &source, const QSize &size)
{
    const QRect sourcePixels = source.toAlignedRect().intersected(picture.rect());
    if (sourcePixels.isEmpty() || size.isEmpty())
        return QImage();
    const QImage part = sourcePixels == picture.rect() ? picture : picture.copy(sourcePixels);
    return part.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

PersistentPictureBox::PersistentPictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    applyGeometry();
}

void PersistentPictureBox::moveTo(float left, float top)
{
    m_left = left;
    m_top = top;
    move(twipsToPixels(m_left), twipsToPixels(m_top));
}

void PersistentPictureBox::setOuterSize(float width, float height)
{
    m_width = std::max(0.0f, width);
    m_height = std::max(0.0f, height);
    resize(twipsToPixels(m_width), twipsToPixels(m_height));
    // The persistent image grows with the box and keeps what was painted on it.
    if (!m_painted.isNull() && m_painted.size() != size() * devicePixelRatioF()) {
        QPixmap grown = transparentLayer();
        QPainter painter(&grown);
        painter.drawPixmap(0, 0, m_painted);
        painter.end();
        m_painted = grown;
    }
    update();
}

void PersistentPictureBox::applyGeometry()
{
    setGeometry(twipsToPixels(m_left), twipsToPixels(m_top), twipsToPixels(m_width), twipsToPixels(m_height));
}

void PersistentPictureBox::setAutoSize(bool on)
{
    m_autoSize = on;
    if (m_autoSize && !m_picture.isNull()) {
        const QSizeF natural = naturalTwips(m_picture);
        setOuterSize(natural.width(), natural.height());
    }
}

void PersistentPictureBox::setBackgroundColor(const QColor &color)
{
    m_background = color;
    update();
}

QSizeF PersistentPictureBox::naturalTwips(const QImage &picture)
{
    const QSize natural = PagePicture::naturalSize(picture);
    return QSizeF(Twips::fromPixels(natural.width()), Twips::fromPixels(natural.height()));
}

void PersistentPictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    m_painted = QPixmap();
    if (m_autoSize && !m_picture.isNull()) {
        const QSizeF natural = naturalTwips(m_picture);
        setOuterSize(natural.width(), natural.height());
    }
    // Drawn when first painted: a picture replaced or cleared before then (as a page set
    // up anew is) costs no scaling, nor does one on a box never shown.
    m_pictureLayer = QPixmap();
    update();
}

void PersistentPictureBox::clearPicture()
{
    m_picture = QImage();
    m_pictureLayer = QPixmap();
    update();
}

void PersistentPictureBox::renderPictureLayer()
{
    m_pictureLayer = QPixmap();
    if (m_picture.isNull())
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize natural = PagePicture::naturalSize(m_picture);
    const QImage scaled = scaledPart(m_picture, m_picture.rect(), (QSizeF(natural) * ratio).toSize());
    if (scaled.isNull())
        return;
    m_pictureLayer = QPixmap::fromImage(scaled);
    m_pictureLayer.setDevicePixelRatio(ratio);
}

QPixmap PersistentPictureBox::transparentLayer() const
{
    const qreal ratio = devicePixelRatioF();
    QPixmap layer(size() * ratio);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    return layer;
}

void PersistentPictureBox::paintPicture(const QImage &picture, const QRectF &source, const QRectF &target)
{
    if (m_painted.isNull())
        m_painted = transparentLayer();
    if (picture.isNull())
        return;
    const QSizeF natural = naturalTwips(picture);
    const double scaleX = picture.width() / natural.width();
    const double scaleY = picture.height() / natural.height();
    const QRectF sourcePixels(source.x() * scaleX, source.y() * scaleY, source.width() * scaleX,
                              source.height() * scaleY);

    const qreal ratio = m_painted.devicePixelRatio();
    const QRectF targetLogical = twipsToLogicalPixels(target);
    const QSize targetDevice = (targetLogical.size() * ratio).toSize();
    QImage scaled = scaledPart(picture, sourcePixels, targetDevice);
    if (scaled.isNull())
        return;
    scaled.setDevicePixelRatio(ratio);

    QPainter painter(&m_painted);
    painter.drawImage(targetLogical.topLeft(), scaled);
    painter.end();
    update();
}

void PersistentPictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    if (m_pictureLayer.isNull() && !m_picture.isNull())
        renderPictureLayer();
    if (!m_pictureLayer.isNull())
        painter.drawPixmap(0, 0, m_pictureLayer);
    if (!m_painted.isNull())
        painter.drawPixmap(0, 0, m_painted);
}

void PersistentPictureBox::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = event->position() * Twips::perPixel;
    emit mouseDown(event->button(), event->modifiers(), float(at.x()), float(at.y()));
}

void PersistentPictureBox::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position() * Twips::perPixel;
    emit mouseMoved(event->buttons(), event->modifiers(), float(at.x()), float(at.y()));
}

void PersistentPictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = event->position() * Twips::perPixel;
    emit mouseUp(event->button(), event->modifiers(), float(at.x()), float(at.y()));
}
