#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRectF>
#include <QWidget>

// A borderless picture box with a persistent backing image, placed and sized in twips.
//
// It shows, from bottom to top: its background colour, the picture assigned to it (at the
// picture's natural size, at the top left corner) and what has been painted on it. What is
// painted stays until a new picture is assigned, so scrolling or moving the box never
// repaints it. Having no border, its outer size and its drawing area are the same.
//
// Geometry is kept in twips as set (single precision, not snapped to pixels), so that the
// page view's arithmetic works on the same values it was given; only the widget's pixel
// geometry is derived from it.
class PersistentPictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PersistentPictureBox(QWidget *parent = nullptr);

    float left() const { return m_left; }
    float top() const { return m_top; }
    float outerWidth() const { return m_width; }
    float outerHeight() const { return m_height; }
    float drawingWidth() const { return m_width; }
    float drawingHeight() const { return m_height; }

    void moveTo(float left, float top);
    void setLeft(float left) { moveTo(left, m_top); }
    void setTop(float top) { moveTo(m_left, top); }
    void setOuterSize(float width, float height);
    void setOuterWidth(float width) { setOuterSize(width, m_height); }
    void setOuterHeight(float height) { setOuterSize(m_width, height); }

    // With auto-size on, the box takes the natural size of every picture assigned to it;
    // switching it on takes the size of the picture it holds at once.
    void setAutoSize(bool on);
    void setBackgroundColor(const QColor &color);

    // Assigns a picture; what was painted before is discarded.
    void setPicture(const QImage &picture);
    // Removes the assigned picture; what has been painted stays.
    void clearPicture();
    const QImage &picture() const { return m_picture; }
    bool hasPaintedImage() const { return !m_painted.isNull(); }

    // Paints the part `source` of `picture` (in twips of the picture at its natural size)
    // scaled into `target` (in twips of this box). The scaling works from the picture's
    // full resolution at the screen's pixel ratio, so text stays sharp when enlarged.
    void paintPicture(const QImage &picture, const QRectF &source, const QRectF &target);

    // The picture's natural size in twips.
    static QSizeF naturalTwips(const QImage &picture);

signals:
    // Positions are in twips of the box's own coordinates.
    void mouseDown(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, float x, float y);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, float x, float y);
    void mouseUp(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, float x, float y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void applyGeometry();
    void renderPictureLayer();
    QPixmap transparentLayer() const;

    float m_left = 0;
    float m_top = 0;
    float m_width = 0;
    float m_height = 0;
    bool m_autoSize = false;
    QColor m_background = Qt::white;
    QImage m_picture;
    QPixmap m_pictureLayer; // the assigned picture at its natural size, ready to draw
    QPixmap m_painted;      // the persistent image of what was painted
};
