#include "windows/preview/PageViewport.h"
#include "windows/preview/PersistentPictureBox.h"
#include "windows/preview/ViewportFrame.h"
#include "tests/support/ScriptedMessages.h"
#include "windows/widgets/MousePointer.h"
#include "tests/windows/preview/TestPages.h"
#include "tests/support/TestMain.h"

#include <QScrollBar>

#include <cmath>

namespace {

// A window holding a page view, as the preview window holds it. The viewport is 9330 x
// 3885 twips outside, 9300 x 3855 inside its border.
struct ViewFixture {
    QWidget window;
    MousePointer pointer{&window};
    PageViewport view{&window, pointer};

    ViewFixture() { view.picture1()->setAutoSize(true); }

    PersistentPictureBox &page() const { return *view.picture1(); }
    QScrollBar &horizontal() const { return *view.hScroll1(); }
    QScrollBar &vertical() const { return *view.vScroll1(); }

    void show(const QImage &picture)
    {
        page().setPicture(picture);
        view.ShowPagePicture(picture);
    }

    // A page whose box has exactly this outer size when the view takes it.
    void showOuterSize(float width, float height)
    {
        const QImage picture = TestPages::page(100, 100, QStringLiteral("Page"));
        page().setPicture(picture);
        page().setOuterSize(width, height);
        view.ShowPagePicture(picture);
    }

    void zoom(int steps, int zoomOut = 0)
    {
        for (int i = 0; i < steps; ++i)
            view.StepZoom(zoomOut);
    }

    void drag(Qt::MouseButton button, QPointF from, QPointF to)
    {
        view.Picture1_MouseDown(button, Qt::NoModifier, float(from.x()), float(from.y()));
        view.Picture1_MouseMove(button, Qt::NoModifier, float(to.x()), float(to.y()));
        view.Picture1_MouseUp(button, Qt::NoModifier, float(to.x()), float(to.y()));
    }

    QPointF offset() const { return QPointF(page().left(), page().top()); }
};

bool isRed(const QColor &color)
{
    return color.red() > 200 && color.green() < 80 && color.blue() < 80;
}

} // namespace

class PageViewportTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { ScriptedMessages::takeRecords(); }
    void cleanup() { QCOMPARE(ScriptedMessages::recordCount(), 0); }

    void scrollbarSetUp_data();
    void scrollbarSetUp();
    void zoomStopsAtItsLimits();
    void sizeLimit_data();
    void sizeLimit();
    void zoomRepaintsAndSetsScrollbarsUp();
    void dragClampsAndJumpsToNearestStep();
    void dragKeepsFittingPageInPlace();
    void clickOnPageAsLargeAsViewportIsNoError();
    void realMouseDragMovesPage();
    void zoomPaintsFromFullResolution();
};

void PageViewportTest::scrollbarSetUp_data()
{
    QTest::addColumn<int>("overflow");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("position");
    // Each scrollbar starts at maximum 50, position 7.
    QTest::newRow("fits exactly: left as it is") << 0 << false << 50 << 0 << 7;
    QTest::newRow("70 twips, one a position") << 70 << true << 70 << 1 << 0;
    QTest::newRow("100 twips, one a position") << 100 << true << 100 << 1 << 0;
    QTest::newRow("101 twips, ten a position") << 101 << true << 10 << 10 << 0;
    QTest::newRow("670 twips") << 670 << true << 67 << 10 << 0;
    QTest::newRow("675: half to even up") << 675 << true << 68 << 10 << 0;
    QTest::newRow("685: half to even down") << 685 << true << 68 << 10 << 0;
    QTest::newRow("beyond 16 bits: clamped") << 400000 << true << 32767 << 10 << 0;
}

void PageViewportTest::scrollbarSetUp()
{
    QFETCH(int, overflow);
    QFETCH(bool, enabled);
    QFETCH(int, maximum);
    QFETCH(int, unit);
    QFETCH(int, position);

    ViewFixture f;
    for (QScrollBar *scrollbar : {&f.horizontal(), &f.vertical()}) {
        scrollbar->setMaximum(50);
        scrollbar->setValue(7);
    }
    f.page().moveTo(-500, -500);
    f.page().setOuterSize(9330.0f + overflow, 3885.0f + overflow);

    f.view.SetupScrollbars();

    QCOMPARE(f.view.hScrollUnit(), unit);
    QCOMPARE(f.view.vScrollUnit(), unit);
    for (QScrollBar *scrollbar : {&f.horizontal(), &f.vertical()}) {
        QCOMPARE(scrollbar->isEnabled(), enabled);
        QCOMPARE(scrollbar->maximum(), maximum);
        QCOMPARE(scrollbar->value(), position);
    }
    QCOMPARE(f.offset(), QPointF(0, 0));
}

void PageViewportTest::zoomStopsAtItsLimits()
{
    ViewFixture f;
    f.show(TestPages::page(60, 80, QStringLiteral("Small"))); // 898 x 1198 twips shown
    f.zoom(13);
    QCOMPARE(f.view.zoom(), 4.0f);
    QCOMPARE(f.page().outerWidth(), 3592.0f);

    f.zoom(16, 1);
    QCOMPARE(f.view.zoom(), 0.25f);
    QCOMPARE(f.page().outerWidth(), 224.0f);  // 224.5 rounded down
    QCOMPARE(f.page().outerHeight(), 299.0f); // 299.5 rounded down
}

void PageViewportTest::sizeLimit_data()
{
    QTest::addColumn<float>("outerWidth");
    QTest::addColumn<float>("outerHeight");
    QTest::addColumn<int>("zoomSteps");
    QTest::addColumn<bool>("refused");
    // The part shown is the box less two twips; each step adds a quarter.
    QTest::newRow("10200 wide at 2.0") << 5102.0f << 2000.0f << 4 << true;
    QTest::newRow("10198 wide at 2.0") << 5101.0f << 2000.0f << 4 << false;
    QTest::newRow("11800 high at 2.0") << 2000.0f << 5902.0f << 4 << true;
    QTest::newRow("11798 high at 2.0") << 2000.0f << 5901.0f << 4 << false;
    QTest::newRow("10199 wide at 1.0") << 10201.0f << 2000.0f << 0 << false;
    QTest::newRow("10200 wide at 1.0") << 10202.0f << 2000.0f << 0 << true;
    QTest::newRow("11799 high at 1.0") << 2000.0f << 11801.0f << 0 << false;
    QTest::newRow("11800 high at 1.0") << 2000.0f << 11802.0f << 0 << true;
}

void PageViewportTest::sizeLimit()
{
    QFETCH(float, outerWidth);
    QFETCH(float, outerHeight);
    QFETCH(int, zoomSteps);
    QFETCH(bool, refused);

    ViewFixture f;
    f.showOuterSize(outerWidth, outerHeight);
    f.zoom(std::max(zoomSteps - 1, 0));
    const float zoomBefore = f.view.zoom();
    const QSize zoomedBefore(f.view.zoomWidth(), f.view.zoomHeight());
    const QSizeF shownBefore(f.page().outerWidth(), f.page().outerHeight());
    f.zoom(zoomSteps > 0 ? 1 : 0);

    if (!refused) {
        QCOMPARE(f.view.zoom(), 1.0f + 0.25f * zoomSteps);
        QCOMPARE(f.view.zoomWidth(), int(std::floor((outerWidth - 2) * f.view.zoom())));
        QCOMPARE(f.page().outerWidth(), float(f.view.zoomWidth()));
        return;
    }
    // Refused: the factor, the sizes and what is shown stay as they were, also when
    // zoomed in once more; a step out goes a quarter below the factor kept.
    for (int attempt = 0; attempt < 2; ++attempt) {
        QCOMPARE(f.view.zoom(), zoomBefore);
        QCOMPARE(QSize(f.view.zoomWidth(), f.view.zoomHeight()), zoomedBefore);
        QCOMPARE(QSizeF(f.page().outerWidth(), f.page().outerHeight()), shownBefore);
        if (attempt == 0)
            f.zoom(1);
    }
    if (zoomSteps == 0) {
        QVERIFY(!f.page().picture().isNull()); // still the picture as assigned
        QVERIFY(!f.page().hasPaintedImage());
    }
    f.zoom(1, 1);
    QCOMPARE(f.view.zoom(), zoomBefore - 0.25f);
    QCOMPARE(f.page().outerWidth(), float(std::floor((outerWidth - 2) * (zoomBefore - 0.25))));
}

void PageViewportTest::zoomRepaintsAndSetsScrollbarsUp()
{
    ViewFixture f;
    f.show(TestPages::page(650, 700, QStringLiteral("Wide"))); // 9748 x 10498 twips shown
    f.horizontal().setValue(20);
    f.vertical().setValue(100);
    QCOMPARE(f.offset(), QPointF(-200, -1000));

    f.zoom(1, 1);

    QCOMPARE(f.page().outerWidth(), 7311.0f);
    QCOMPARE(f.page().outerHeight(), 7873.0f);
    QCOMPARE(f.horizontal().value(), 0);
    QCOMPARE(f.vertical().value(), 0);
    QCOMPARE(f.offset(), QPointF(0, 0));
    // The scrollbars follow the page as now drawn: it fits across, and down its last
    // position shows its bottom (3988 twips over, 399 positions of ten).
    QVERIFY(!f.horizontal().isEnabled());
    QCOMPARE(f.view.hScrollUnit(), 0);
    QVERIFY(f.vertical().isEnabled());
    QCOMPARE(f.vertical().maximum(), 399);
    QCOMPARE(f.view.vScrollUnit(), 10);
    f.vertical().setValue(399);
    QCOMPARE(f.offset(), QPointF(0, -3990));

    // A page that fitted across at 1.0, zoomed in to 10122 twips: 792 over, 79 positions.
    f.show(TestPages::page(450, 300, QStringLiteral("Narrow")));
    f.zoom(2);
    QVERIFY(f.horizontal().isEnabled());
    QCOMPARE(f.horizontal().maximum(), 79);
    f.horizontal().setValue(79);
    f.vertical().setValue(30);
    QCOMPARE(f.offset(), QPointF(-790, -300));

    // 7448 twips shown, at 1.25 just wider than the drawing area but not than the frame:
    // nothing to scroll, so no scrollbar that would do nothing.
    f.showOuterSize(7450, 2000);
    f.zoom(1);
    QCOMPARE(f.view.zoomWidth(), 9310);
    QVERIFY(!f.horizontal().isEnabled());
    QCOMPARE(f.view.hScrollUnit(), 0);
}

void PageViewportTest::dragClampsAndJumpsToNearestStep()
{
    ViewFixture f;
    f.show(TestPages::page(650, 700, QStringLiteral("Wide"))); // 418 and 6613 twips to scroll

    // Dropped at -155: 37 % of 42 positions is 15.54, so the page jumps to position 16.
    f.drag(Qt::LeftButton, {3000, 3000}, {2845, 3000});
    QCOMPARE(f.horizontal().value(), 16);
    QCOMPARE(f.offset(), QPointF(-160, 0));

    // Far to the top left, with another button: the far edges stop on the drawing area's
    // edges. Across that is 107 % of the range: the scrollbar is left alone. Down, 6643
    // of 6613 twips round to 100 %: the last position.
    f.drag(Qt::RightButton, {1000, 1000}, {-99000, -99000});
    QCOMPARE(f.horizontal().value(), 16);
    QCOMPARE(f.vertical().value(), 661);
    QCOMPARE(f.offset(), QPointF(9300 - 9748, -6610));

    // Back past the top left corner: pinned at 0.
    f.drag(Qt::MiddleButton, {1000, 1000}, {99000, 99000});
    QCOMPARE(f.offset(), QPointF(0, 0));
    QCOMPARE(f.horizontal().value(), 0);

    // A move with no button held is no drag.
    f.view.Picture1_MouseDown(Qt::LeftButton, Qt::NoModifier, 1000, 1000);
    f.view.Picture1_MouseMove(Qt::NoButton, Qt::NoModifier, 500, 500);
    QCOMPARE(f.offset(), QPointF(0, 0));
}

// A page that fits the drawing area on an axis keeps its place on that axis, whichever way
// it is dragged; on the other axis it follows the drag.
void PageViewportTest::dragKeepsFittingPageInPlace()
{
    ViewFixture f;
    f.show(TestPages::page(340, 200, QStringLiteral("Small"))); // 5098 x 2998 twips
    f.drag(Qt::LeftButton, {100, 100}, {600, 600});
    QCOMPARE(f.offset(), QPointF(0, 0));
    f.drag(Qt::LeftButton, {100, 100}, {50, 50});
    QCOMPARE(f.offset(), QPointF(0, 0));

    // Narrow and tall, 5098 x 6598 twips: a drag straight up moves it up only.
    f.show(TestPages::page(340, 440, QStringLiteral("Tall")));
    f.drag(Qt::LeftButton, {1000, 1000}, {1000, 700});
    QCOMPARE(f.offset(), QPointF(0, -300));
    f.drag(Qt::LeftButton, {1000, 1000}, {900, 1100});
    QCOMPARE(f.offset(), QPointF(0, -190)); // dropped at -200, 7 % of 271 positions
}

// A page exactly as wide and as high as the viewport has nothing to scroll: a click or a
// small drag on it shows no error and leaves the page where it was dropped.
void PageViewportTest::clickOnPageAsLargeAsViewportIsNoError()
{
    ViewFixture f;
    f.showOuterSize(9332, 3887);
    QCOMPARE(f.page().outerWidth(), f.view.picture2()->outerWidth());
    QCOMPARE(f.page().outerHeight(), f.view.picture2()->outerHeight());
    f.drag(Qt::LeftButton, {500, 500}, {500, 500});
    f.drag(Qt::LeftButton, {500, 500}, {480, 490});
    QCOMPARE(f.offset(), QPointF(-20, -10));

    // Only one axis without extent: the other still follows the drag. 100 of 1113 twips
    // is 9 % of 111 positions, 9.99.
    f.showOuterSize(9332, 5000);
    f.drag(Qt::LeftButton, {500, 500}, {500, 400});
    QCOMPARE(f.vertical().value(), 10);
    QCOMPARE(f.offset(), QPointF(0, -100));
}

void PageViewportTest::realMouseDragMovesPage()
{
    ViewFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.show(TestPages::page(650, 700, QStringLiteral("Wide")));

    QTest::mousePress(&f.page(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(&f.page(), QPoint(90, 100));
    QCOMPARE(f.page().left(), -150.0f);
    QCOMPARE(f.page().x(), -10);
    QTest::mouseRelease(&f.page(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QCOMPARE(f.horizontal().value(), 15); // 36 % of 42 positions is 15.12
}

void PageViewportTest::zoomPaintsFromFullResolution()
{
    ViewFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    // A red square at (50, 60), 20 pixels wide at natural size, in a picture with three
    // times the pixels.
    QImage picture = TestPages::page(200, 240, QStringLiteral("Square"), 3.0);
    QPainter(&picture).fillRect(QRect(150, 180, 60, 60), Qt::red);
    f.show(picture);
    QImage shown = f.page().grab().toImage();
    QVERIFY(isRed(shown.pixelColor(60, 70)));
    QVERIFY(!isRed(shown.pixelColor(45, 70)));
    QVERIFY(!isRed(shown.pixelColor(75, 70)));

    f.zoom(2); // 1.5: the square spans 75 ... 105 across, 90 ... 120 down
    shown = f.page().grab().toImage();
    QCOMPARE(f.page().size(), QSize(299, 359)); // 4497 x 5397 twips
    QVERIFY(isRed(shown.pixelColor(90, 105)));
    QVERIFY(isRed(shown.pixelColor(102, 117)));
    QVERIFY(!isRed(shown.pixelColor(70, 105)));
    QVERIFY(!isRed(shown.pixelColor(110, 105)));
}

DAYBLOOM_TEST_MAIN(PageViewportTest)
#include "tst_PageViewport.moc"
