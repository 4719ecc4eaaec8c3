#pragma once

#include <QObject>

#include <cstdint>

class ErrorReport;
class MousePointer;
class PersistentPictureBox;
class QImage;
class QScrollBar;
class QWidget;
class ViewportFrame;

// The zoomable page view of the preview window: the page box Picture1 moving inside the
// clipping frame Picture2, the hidden reference copy Zoom_Ori that every zoom repaints
// from, and the scrollbars HScroll1 and VScroll1.
//
// All lengths are twips. The zoomed page is painted once per page set-up or zoom change;
// dragging and scrolling only move the page box.
class PageViewport : public QObject
{
    Q_OBJECT

public:
    // A zoomed page reaching either size is refused.
    static constexpr int maximumWidth = 10200;
    static constexpr int maximumHeight = 11800;
    static constexpr float minimumZoom = 0.25f;
    static constexpr float maximumZoom = 4.0f;
    static constexpr float zoomStep = 0.25f;

    // Creates the controls as children of the preview window.
    PageViewport(QWidget *window, MousePointer &pointer);

    PersistentPictureBox *picture1() const { return m_picture1; }
    ViewportFrame *picture2() const { return m_picture2; }
    PersistentPictureBox *zoomOri() const { return m_zoomOri; }
    QScrollBar *hScroll1() const { return m_hScroll1; }
    QScrollBar *vScroll1() const { return m_vScroll1; }

    float zoom() const { return mZoom; }
    std::int32_t zoomWidth() const { return mZoomWidth; }
    std::int32_t zoomHeight() const { return mZoomHeight; }
    std::int16_t hScrollUnit() const { return mHScrollUnit; }
    std::int16_t vScrollUnit() const { return mVScrollUnit; }

    // Puts a page into the view at zoom 1.0, at its top left corner. Picture1 must already
    // hold the same picture at its natural size. With a report, each statement is
    // reported under its label (the window's first activation); without one, a failure
    // goes to the caller.
    void ShowPagePicture(const QImage &picture, const ErrorReport *report = nullptr);
    // Repaints the page at the zoom and sets the scrollbars up for it. Returns false, and
    // changes nothing, when the zoomed page would reach the size limit.
    bool RedrawImage();
    void SetupScrollbars();
    void StepZoom(std::int32_t zoomOut);
    void SetZoom(float zoom);
    void SetHScrollbarByPercent(QScrollBar *HScrollbar, std::int16_t percent);
    void SetVScrollbarByPercent(QScrollBar *VScrollbar, std::int16_t percent);

    void Picture1_MouseDown(Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void Picture1_MouseMove(Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void Picture1_MouseUp(Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, float X, float Y);
    void HScroll1_Change();
    void VScroll1_Change();

    // Forgets the page shown: an empty page box, no reference picture.
    void clearPage();
    // Names the page view for screen readers: "Page 3 of 6, zoom 125 %".
    void describe(int page, int pages);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls(QWidget *window);
    static std::int16_t setUpScrollbar(QScrollBar *scrollbar, float pageOuter, float viewportOuter);
    static void setScrollbarByPercent(QScrollBar *scrollbar, std::int16_t percent);
    void setUpHScroll1();
    void setUpVScroll1();
    static float clampDragged(float wanted, float current, float viewportDrawing, float pageOuter);

    MousePointer &m_pointer;
    ViewportFrame *m_picture2 = nullptr;
    PersistentPictureBox *m_picture1 = nullptr;
    PersistentPictureBox *m_zoomOri = nullptr;
    QScrollBar *m_hScroll1 = nullptr;
    QScrollBar *m_vScroll1 = nullptr;

    float mZoom = 1.0f;
    std::int32_t mOrigWidth = 0;
    std::int32_t mOrigHeight = 0;
    std::int32_t mZoomWidth = 0;
    std::int32_t mZoomHeight = 0;
    std::int16_t mHScrollUnit = 0;
    std::int16_t mVScrollUnit = 0;
    float mDragX = 0;
    float mDragY = 0;
};
