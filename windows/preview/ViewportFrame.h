#pragma once

#include "windows/widgets/Twips.h"

#include <QWidget>

// The fixed, clipping window onto the page: a white area inside a one-pixel line border.
// The page box is a child of drawingArea(), so positions inside the frame are measured
// from the inside of the border and everything outside the drawing area is clipped.
//
// With the border, the outer size (what the scroll range is measured against) is 30
// twips wider and higher than the drawing area (what dragging is clamped to and what
// decides whether a scrollbar is needed).
class ViewportFrame : public QWidget
{
    Q_OBJECT

public:
    static constexpr int borderTwips = 15;

    ViewportFrame(const Twips::Rect &geometry, QWidget *parent = nullptr);

    float outerWidth() const { return float(m_outerWidth); }
    float outerHeight() const { return float(m_outerHeight); }
    float drawingWidth() const { return float(m_outerWidth - 2 * borderTwips); }
    float drawingHeight() const { return float(m_outerHeight - 2 * borderTwips); }

    QWidget *drawingArea() const { return m_drawingArea; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_outerWidth;
    int m_outerHeight;
    QWidget *m_drawingArea;
};
