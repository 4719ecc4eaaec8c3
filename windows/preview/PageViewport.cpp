#include "windows/preview/PageViewport.h"

#include "windows/preview/PersistentPictureBox.h"
#include "windows/preview/PreviewGeometry.h"
#include "core/shell/CheckedArithmetic.h"
#include "core/shell/StepRunner.h"
#include "windows/preview/ViewportFrame.h"
#include "core/shell/ErrorReport.h"
#include "windows/widgets/MousePointer.h"
#include "windows/widgets/Twips.h"

#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

const QString windowName = QStringLiteral("Form2");

// How far the page has been dragged along one axis, in percent of what there is to
// scroll. A page exactly as large as the viewport on that axis has nothing to scroll.
std::optional<std::int32_t> percentScrolled(float offset, float pageOuter, float viewportOuter)
{
    const float extent = pageOuter - viewportOuter;
    if (extent == 0.0f)
        return std::nullopt;
    return CheckedArithmetic::roundToInt32(std::fabs(double(offset)) / double(extent) * 100.0);
}

// The part of the reference picture that is shown: its drawing area less two twips.
std::int32_t originalLength(float drawing)
{
    return CheckedArithmetic::roundToInt32(drawing - 2.0f);
}

std::int32_t zoomedLength(std::int32_t original, float zoom)
{
    return CheckedArithmetic::floorToInt32(double(original) * double(zoom));
}

} // namespace

PageViewport::PageViewport(QWidget *window, MousePointer &pointer)
    : QObject(window)
    , m_pointer(pointer)
{
    createControls(window);

    connect(m_hScroll1, &QScrollBar::valueChanged, this, &PageViewport::HScroll1_Change);
    connect(m_vScroll1, &QScrollBar::valueChanged, this, &PageViewport::VScroll1_Change);
    connect(m_picture1, &PersistentPictureBox::mouseDown, this, &PageViewport::Picture1_MouseDown);
    // The page view takes the keyboard too: arrows and Page Up/Down scroll it.
    m_picture2->setFocusPolicy(Qt::StrongFocus);
    m_picture2->installEventFilter(this);
    connect(m_picture1, &PersistentPictureBox::mouseMoved, this, &PageViewport::Picture1_MouseMove);
    connect(m_picture1, &PersistentPictureBox::mouseUp, this, &PageViewport::Picture1_MouseUp);
}

void PageViewport::createControls(QWidget *window)
{
    m_picture2 = new ViewportFrame(PreviewGeometry::pageFrame, window);
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    // Moving the pointer over the page view leaves the window's pointer as it is.
    m_picture2->setAttribute(Qt::WA_NoMousePropagation);

    m_picture1 = new PersistentPictureBox(m_picture2->drawingArea());
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->moveTo(0, 0);
    m_picture1->setOuterSize(PreviewGeometry::pageBoxWidth, PreviewGeometry::pageBoxHeight);

    // The reference copy is never shown; it lies right of the visible client area.
    m_zoomOri = new PersistentPictureBox(window);
    m_zoomOri->setObjectName(QStringLiteral("Zoom_Ori"));
    m_zoomOri->moveTo(PreviewGeometry::referenceBox.left, PreviewGeometry::referenceBox.top);
    m_zoomOri->setOuterSize(PreviewGeometry::referenceBox.width, PreviewGeometry::referenceBox.height);
    m_zoomOri->hide();

    m_vScroll1 = new QScrollBar(Qt::Vertical, window);
    m_vScroll1->setObjectName(QStringLiteral("VScroll1"));
    m_vScroll1->setGeometry(Twips::rect(PreviewGeometry::verticalScrollBar));
    m_hScroll1 = new QScrollBar(Qt::Horizontal, window);
    m_hScroll1->setObjectName(QStringLiteral("HScroll1"));
    m_hScroll1->setGeometry(Twips::rect(PreviewGeometry::horizontalScrollBar));
    for (QScrollBar *scrollbar : {m_hScroll1, m_vScroll1}) {
        // Until the first page set-up the range is the widest a 16-bit scrollbar has;
        // the small and the large change are one position each.
        scrollbar->setRange(0, CheckedArithmetic::int16Max);
        scrollbar->setSingleStep(1);
        scrollbar->setPageStep(1);
        scrollbar->setAttribute(Qt::WA_NoMousePropagation);
    }
}

void PageViewport::ShowPagePicture(const QImage &picture, const ErrorReport *report)
{
    const StepRunner step(report);
    // The reference box, like the page box, always keeps a persistent image.
    step(116, [&] { m_zoomOri->hide(); });
    step(118, [&] { m_zoomOri->setOuterWidth(m_picture1->outerWidth()); });
    step(120, [&] { m_zoomOri->setOuterHeight(m_picture1->outerHeight()); });
    step(122, [&] { m_zoomOri->setPicture(picture); });
    step(124, [&] { mZoom = 1.0f; });
    step(126, [&] { mOrigWidth = originalLength(m_zoomOri->drawingWidth()); });
    step(128, [&] { mOrigHeight = originalLength(m_zoomOri->drawingHeight()); });
    step(130, [&] { mZoomWidth = zoomedLength(mOrigWidth, 1.0f); });
    step(132, [&] { mZoomHeight = zoomedLength(mOrigHeight, 1.0f); });
    step(134, [&] { RedrawImage(); });
    step(136, [&] { SetupScrollbars(); });
}

bool PageViewport::RedrawImage()
{
    const ErrorReport report(windowName, QStringLiteral("RedrawImage"));
    std::int32_t width = mZoomWidth;
    std::int32_t height = mZoomHeight;
    report.step(100, [&] { width = zoomedLength(mOrigWidth, mZoom); });
    report.step(102, [&] { height = zoomedLength(mOrigHeight, mZoom); });

    // A page that large is refused: the sizes stay and what is shown is not repainted.
    bool tooLarge = false;
    report.step(104, [&] { tooLarge = width >= maximumWidth || height >= maximumHeight; });
    if (tooLarge)
        return false;

    mZoomWidth = width;
    mZoomHeight = height;
    report.step(106, [&] { m_picture1->clearPicture(); });
    report.step(108, [&] { m_picture1->setOuterWidth(float(mZoomWidth)); });
    report.step(110, [&] { m_picture1->setOuterHeight(float(mZoomHeight)); });
    report.step(112, [&] {
        m_picture1->paintPicture(m_zoomOri->picture(), QRectF(0, 0, mOrigWidth, mOrigHeight),
                                 QRectF(0, 0, mZoomWidth, mZoomHeight));
    });
    report.step(114, [&] { m_pointer.set(MousePointer::Default); });
    report.step(116, [&] { m_hScroll1->setValue(0); });
    report.step(118, [&] { m_vScroll1->setValue(0); });
    // The scroll ranges and units follow the page as now drawn.
    report.step(120, [&] { setUpHScroll1(); });
    report.step(122, [&] { setUpVScroll1(); });
    return true;
}

void PageViewport::SetupScrollbars()
{
    m_picture1->moveTo(0, 0);
    setUpHScroll1();
    setUpVScroll1();
}

void PageViewport::setUpHScroll1()
{
    mHScrollUnit = setUpScrollbar(m_hScroll1, m_picture1->outerWidth(), m_picture2->outerWidth());
}

void PageViewport::setUpVScroll1()
{
    mVScrollUnit = setUpScrollbar(m_vScroll1, m_picture1->outerHeight(), m_picture2->outerHeight());
}

// Sets one scrollbar up for the page's overflow over the viewport and returns the twips
// per scroll position: 0 when nothing overflows, 1 up to 100 twips, 10 beyond.
std::int16_t PageViewport::setUpScrollbar(QScrollBar *scrollbar, float pageOuter, float viewportOuter)
{
    if (pageOuter <= viewportOuter) {
        scrollbar->setEnabled(false);
        return 0;
    }
    const float overflow = pageOuter - viewportOuter;
    const std::int16_t unit = overflow <= 100.0f ? 1 : 10;
    scrollbar->setEnabled(true);
    scrollbar->setMaximum(CheckedArithmetic::roundClampedToInt16(double(overflow) / unit));
    scrollbar->setValue(0);
    return unit;
}

void PageViewport::HScroll1_Change()
{
    m_picture1->setLeft(-float(CheckedArithmetic::clampedProduct16(mHScrollUnit, m_hScroll1->value())));
}

void PageViewport::VScroll1_Change()
{
    m_picture1->setTop(-float(CheckedArithmetic::clampedProduct16(mVScrollUnit, m_vScroll1->value())));
}

void PageViewport::StepZoom(std::int32_t zoomOut)
{
    const float zoom = zoomOut != 0 ? mZoom - zoomStep : mZoom + zoomStep;
    SetZoom(zoom);
}

// A factor out of range, or one whose page would be too large, leaves the zoom as it is.
void PageViewport::SetZoom(float zoom)
{
    if (zoom <= maximumZoom && zoom >= minimumZoom) {
        const float previous = mZoom;
        mZoom = zoom;
        if (!RedrawImage())
            mZoom = previous;
    }
}

void PageViewport::SetHScrollbarByPercent(QScrollBar *HScrollbar, std::int16_t percent)
{
    setScrollbarByPercent(HScrollbar, percent);
}

void PageViewport::SetVScrollbarByPercent(QScrollBar *VScrollbar, std::int16_t percent)
{
    setScrollbarByPercent(VScrollbar, percent);
}

void PageViewport::setScrollbarByPercent(QScrollBar *scrollbar, std::int16_t percent)
{
    if (percent < 0)
        return;
    const double position = percent / 100.0 * scrollbar->maximum();
    if (position <= scrollbar->maximum())
        scrollbar->setValue(CheckedArithmetic::roundToInt16(position));
}

void PageViewport::Picture1_MouseDown(Qt::MouseButtons, Qt::KeyboardModifiers, float X, float Y)
{
    const ErrorReport report(windowName, QStringLiteral("picture1_MouseDown"));
    report.step(100, [&] { mDragX = X; });
    report.step(102, [&] { mDragY = Y; });
}

// Where a drag may put the page along one axis. A page that fits the viewport's drawing
// area stays where it is; a larger one is kept from leaving a gap at the viewport's top or
// left edge and from moving its far edge inside the drawing area.
float PageViewport::clampDragged(float wanted, float current, float viewportDrawing, float pageOuter)
{
    const float farthest = viewportDrawing - pageOuter;
    if (farthest >= 0.0f)
        return current;
    return std::clamp(wanted, farthest, 0.0f);
}

void PageViewport::Picture1_MouseMove(Qt::MouseButtons Button, Qt::KeyboardModifiers, float X, float Y)
{
    const ErrorReport report(windowName, QStringLiteral("picture1_MouseMove"));
    bool dragging = false;
    report.step(100, [&] { dragging = Button != Qt::NoButton; });
    if (!dragging)
        return;
    float left = 0;
    float top = 0;
    report.step(104, [&] { left = m_picture1->left() - mDragX + X; });
    report.step(106, [&] {
        left = clampDragged(left, m_picture1->left(), m_picture2->drawingWidth(), m_picture1->outerWidth());
    });
    report.step(114, [&] { top = m_picture1->top() - mDragY + Y; });
    report.step(116, [&] {
        top = clampDragged(top, m_picture1->top(), m_picture2->drawingHeight(), m_picture1->outerHeight());
    });
    report.step(124, [&] { m_picture1->moveTo(left, top); });
}

void PageViewport::Picture1_MouseUp(Qt::MouseButtons, Qt::KeyboardModifiers, float, float)
{
    const ErrorReport report(windowName, QStringLiteral("Picture1_MouseUp"));
    std::optional<std::int32_t> horizontal;
    std::optional<std::int32_t> vertical;
    report.step(100, [&] {
        horizontal = percentScrolled(m_picture1->left(), m_picture1->outerWidth(), m_picture2->outerWidth());
    });
    report.step(102, [&] {
        vertical = percentScrolled(m_picture1->top(), m_picture1->outerHeight(), m_picture2->outerHeight());
    });
    if (horizontal)
        report.step(104, [&] { SetHScrollbarByPercent(m_hScroll1, CheckedArithmetic::roundToInt16(*horizontal)); });
    if (vertical)
        report.step(106, [&] { SetVScrollbarByPercent(m_vScroll1, CheckedArithmetic::roundToInt16(*vertical)); });
}

bool PageViewport::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_picture2 || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    // An arrow moves the page by a line of text; Page Up/Down by most of the view.
    constexpr int lineTwips = 300;
    const int pageTwips = int(m_picture2->drawingHeight() * 0.9f);
    struct Move {
        int key;
        bool vertical;
        int twips;
    };
    const Move moves[] = {{Qt::Key_Up, true, -lineTwips},       {Qt::Key_Down, true, lineTwips},
                          {Qt::Key_Left, false, -lineTwips},    {Qt::Key_Right, false, lineTwips},
                          {Qt::Key_PageUp, true, -pageTwips},   {Qt::Key_PageDown, true, pageTwips}};
    const int key = static_cast<QKeyEvent *>(event)->key();
    for (const Move &move : moves) {
        if (move.key != key)
            continue;
        QScrollBar *bar = move.vertical ? m_vScroll1 : m_hScroll1;
        const std::int16_t unit = move.vertical ? mVScrollUnit : mHScrollUnit;
        if (bar->isEnabled() && unit > 0)
            bar->setValue(bar->value() + move.twips / unit);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

// What a screen reader says for the page view.
void PageViewport::describe(int page, int pages)
{
    m_picture2->setAccessibleName(tr("Page %1 of %2, zoom %3 %").arg(page).arg(pages).arg(qRound(mZoom * 100)));
}

void PageViewport::clearPage()
{
    m_picture1->setPicture(QImage());
    m_zoomOri->setPicture(QImage());
}
