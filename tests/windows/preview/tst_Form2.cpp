#include "tests/support/WindowParts.h"
#include "windows/preview/Form2.h"
#include "windows/preview/PageViewport.h"
#include "windows/preview/PersistentPictureBox.h"
#include "windows/preview/ViewportFrame.h"
#include "tests/support/ScriptedMessages.h"
#include "core/wordgen/PagePicture.h"
#include "core/shell/ProductInfo.h"
#include "windows/widgets/PushButton.h"
#include "core/shell/TempFolder.h"
#include "tests/windows/preview/TestPages.h"
#include "windows/shell/ProgramEnd.h"
#include "tests/support/ClickButton.h"
#include "tests/support/MenuItems.h"
#include "windows/preview/PreviewGeometry.h"
#include "windows/widgets/Twips.h"
#include "tests/support/ScriptedCommonDialog.h"
#include "tests/support/TestMain.h"

#include <QAccessible>
#include <QEventLoop>
#include <QFile>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

class Form2Test : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstShowingSetsUpFirstPage();
    void laterActivationKeepsView();
    void zoomButtonsKeepWholePageReachable();
    void choosingPageShowsItAnew();
    void pagePicturesFromSnapshotFiles();
    void pointerRules();
    void backDeletesDocumentAndShowsMainWindow();
    void newBuildAfterBackStartsAtItsFirstPage();
    void keyboardAloneWorksThePreview();
    void menuItemsDoTheirCommands();
    // Ends the event loop for good: keep it last.
    void closingDeletesDocumentAndEndsProgram();

private:
    void fill(const QList<QImage> &pages);
    QTreeWidget &list() const { return *m_form->findChild<QTreeWidget *>(QStringLiteral("ListView1")); }
    PersistentPictureBox &page() const { return *WindowParts::pageViewport(*m_form).picture1(); }
    void hover(const char *widgetName, QPoint at = QPoint());

    ScriptedCommonDialog m_dialogs;
    std::unique_ptr<QWidget> m_main;
    std::unique_ptr<Form2> m_form;
    QString m_document;
    QList<QImage> m_pages;
};

void Form2Test::init()
{
    ScriptedMessages::takeRecords();
    m_main = std::make_unique<QWidget>();
    m_form = std::make_unique<Form2>(m_main.get(), nullptr, m_dialogs);
    m_form->Form_Load();
    m_document = TempFolder::file(QStringLiteral("kestrel12345678.doc"));
    QFile document(m_document);
    QVERIFY(document.open(QIODevice::WriteOnly));
    document.write("calendar");
    document.close();
    m_pages = {TestPages::calendarPage(QStringLiteral("January")),
               TestPages::page(650, 700, QStringLiteral("Wide"), 2.0),
               TestPages::page(400, 300, QStringLiteral("Short"))};
}

void Form2Test::cleanup()
{
    m_form.reset();
    m_main.reset();
    QFile::remove(m_document);
}

// Fills the window as the document builder and the page capture do, and shows it.
void Form2Test::fill(const QList<QImage> &pages)
{
    m_form->clearPageList();
    const QString snapshot = TempFolder::file(QStringLiteral("temp.bmp"));
    for (int i = 0; i < pages.size(); ++i) {
        m_form->addPageListItem(QStringLiteral("Page %1").arg(i + 1));
        m_form->ensurePageImage(i);
        QVERIFY(pages.at(i).save(snapshot, "PNG"));
        m_form->loadPageImage(i, snapshot);
        QFile::remove(snapshot);
    }
    m_form->showFirstPage();
    m_form->setWordFile(m_document);
    m_form->showPreview();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void Form2Test::hover(const char *widgetName, QPoint at)
{
    QWidget *widget = m_form->objectName() == QLatin1String(widgetName)
        ? m_form.get()
        : m_form->findChild<QWidget *>(QLatin1String(widgetName));
    QVERIFY(widget);
    QTest::mouseMove(widget, at.isNull() ? widget->rect().center() : at);
}

void Form2Test::firstShowingSetsUpFirstPage()
{
    QVERIFY(m_form->pageImage(0).isNull()); // element 0 exists from the start, empty
    QVERIFY(WindowParts::pageViewport(*m_form).zoomOri()->picture().isNull()); // no page set up yet
    fill(m_pages);
    const auto *clientArea = m_form->findChild<QWidget *>(QStringLiteral("clientArea"));
    QCOMPARE(clientArea->size(), QSize(656, 519));
    QCOMPARE(m_form->size(), QSize(656, clientArea->geometry().bottom() + 1));
    QVERIFY(clientArea->y() > 0); // under the menu bar
    QCOMPARE(list().mapTo(clientArea, QPoint()), Twips::rect(PreviewGeometry::pageList).topLeft());
    QCOMPARE(m_form->windowTitle(), ProductInfo::productName);
    QCOMPARE(list().headerItem()->text(0), QStringLiteral("Page(s)"));
    QCOMPARE(list().columnWidth(0), 600);

    PageViewport &view = WindowParts::pageViewport(*m_form);
    QCOMPARE(list().topLevelItemCount(), 3);
    QCOMPARE(list().topLevelItem(2)->text(0), QStringLiteral("Page 3"));
    QCOMPARE(view.zoomOri()->picture(), m_form->pageImage(0));
    QCOMPARE(view.zoom(), 1.0f);
    // 340 x 440 pixels at natural size, two twips less shown.
    QCOMPARE(page().outerWidth(), 5098.0f);
    QCOMPARE(page().outerHeight(), 6598.0f);
    QVERIFY(!view.hScroll1()->isEnabled());
    QVERIFY(view.vScroll1()->isEnabled());
    QCOMPARE(view.vScroll1()->maximum(), 271);

    // The buttons zoom: a calendar page enlarges twice (and once more) before the limit.
    clickButton(*m_form, QStringLiteral("PushButton1"));
    clickButton(*m_form, QStringLiteral("PushButton1"));
    QCOMPARE(page().outerWidth(), 7647.0f);
    clickButton(*m_form, QStringLiteral("PushButton2"));
    clickButton(*m_form, QStringLiteral("PushButton2"));
    clickButton(*m_form, QStringLiteral("PushButton2"));
    QCOMPARE(page().outerWidth(), 3823.0f);
    QCOMPARE(ScriptedMessages::recordCount(), 0);
}

void Form2Test::laterActivationKeepsView()
{
    fill(m_pages);
    clickButton(*m_form, QStringLiteral("PushButton1"));
    QScrollBar *vertical = WindowParts::pageViewport(*m_form).vScroll1();
    vertical->setValue(50);

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));

    QCOMPARE(WindowParts::pageViewport(*m_form).zoom(), 1.25f);
    QCOMPARE(vertical->value(), 50);
    QCOMPARE(page().top(), -500.0f);
}

// Zoomed in, the scrollbars reach the whole page; a step the size limit refuses changes
// nothing, and the next step out goes on from where the view is.
void Form2Test::zoomButtonsKeepWholePageReachable()
{
    fill(m_pages);
    PageViewport &view = WindowParts::pageViewport(*m_form);
    QScrollBar *vertical = view.vScroll1();
    for (int i = 0; i < 3; ++i)
        clickButton(*m_form, QStringLiteral("PushButton1"));
    // 1.75: 8921 x 11546 twips, 7661 over the frame downwards.
    QCOMPARE(page().outerHeight(), 11546.0f);
    QCOMPARE(vertical->maximum(), 766);
    vertical->setValue(766);
    QCOMPARE(page().top(), -7660.0f);
    QVERIFY(!view.hScroll1()->isEnabled());

    clickButton(*m_form, QStringLiteral("PushButton1")); // 2.0 would be 13196 twips high
    QCOMPARE(view.zoom(), 1.75f);
    QCOMPARE(page().outerHeight(), 11546.0f);
    QCOMPARE(vertical->value(), 766);
    QCOMPARE(page().top(), -7660.0f);

    clickButton(*m_form, QStringLiteral("PushButton2"));
    QCOMPARE(view.zoom(), 1.5f);
    QCOMPARE(page().outerHeight(), 9897.0f);
    QCOMPARE(vertical->maximum(), 601);
    QCOMPARE(page().top(), 0.0f);
    QCOMPARE(ScriptedMessages::recordCount(), 0);
}

void Form2Test::choosingPageShowsItAnew()
{
    fill(m_pages);
    PageViewport &view = WindowParts::pageViewport(*m_form);
    clickButton(*m_form, QStringLiteral("PushButton1"));

    // A click on "Page 2".
    const QRect row = list().visualItemRect(list().topLevelItem(1));
    QTest::mouseClick(list().viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    QCOMPARE(view.zoomOri()->picture(), m_form->pageImage(1));
    QCOMPARE(view.zoom(), 1.0f);
    QCOMPARE(page().outerWidth(), 9748.0f);
    QCOMPARE(view.hScroll1()->maximum(), 42);
    QCOMPARE(WindowParts::pointer(*m_form).value(), MousePointer::Default);

    // Scrolled and zoomed, then the same page again: back to 1.0 at the top left.
    view.hScroll1()->setValue(30);
    clickButton(*m_form, QStringLiteral("PushButton2"));
    QTest::mouseClick(list().viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    QCOMPARE(view.zoom(), 1.0f);
    QCOMPARE(page().left(), 0.0f);
    QCOMPARE(page().outerWidth(), 9748.0f);

    // The arrow key moves the selection; its release shows the page reached.
    QTest::keyClick(&list(), Qt::Key_Down);
    QCOMPARE(list().indexOfTopLevelItem(list().selectedItems().value(0)), 2);
    QCOMPARE(page().outerWidth(), 5998.0f);

    // Any other key shows the selected page anew too; with no row selected, nothing.
    clickButton(*m_form, QStringLiteral("PushButton1"));
    QTest::keyClick(&list(), Qt::Key_A);
    QCOMPARE(view.zoom(), 1.0f);
    clickButton(*m_form, QStringLiteral("PushButton1"));
    list().clearSelection();
    QTest::keyClick(&list(), Qt::Key_A);
    QCOMPARE(view.zoom(), 1.25f);
    QCOMPARE(ScriptedMessages::recordCount(), 0);
}

void Form2Test::pagePicturesFromSnapshotFiles()
{
    const QString snapshot = TempFolder::file(QStringLiteral("temp.bmp"));
    QVERIFY(m_pages.at(0).save(snapshot, "PNG")); // content decides, not the name
    m_form->loadPageImage(0, snapshot);
    QCOMPARE(PagePicture::naturalSize(m_form->pageImage(0)), QSize(340, 440));
    QCOMPARE(m_form->pageImage(0).size(), m_pages.at(0).size());

    m_form->ensurePageImage(1);
    QFile garbage(snapshot);
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a picture");
    garbage.close();
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, m_form->loadPageImage(1, snapshot));
    QVERIFY(m_form->pageImage(1).isNull());

    m_form->clearPageImage(0);
    QVERIFY(m_form->pageImage(0).isNull());
    QFile::remove(snapshot);
}

void Form2Test::pointerRules()
{
    fill(m_pages);
    MousePointer &pointer = WindowParts::pointer(*m_form);
    hover("PushButton6");
    QCOMPARE(pointer.value(), MousePointer::Custom);
    hover("ListView1");
    QCOMPARE(pointer.value(), MousePointer::Default);
    hover("PushButton1");
    hover("Frame1", QPoint(4, 4));
    QCOMPARE(pointer.value(), MousePointer::Default);
    hover("PushButton8");
    // The page view and its scrollbars leave the pointer as it is.
    hover("Picture2");
    hover("HScroll1");
    QCOMPARE(pointer.value(), MousePointer::Custom);
    hover("Form2", QPoint(652, 200));
    QCOMPARE(pointer.value(), MousePointer::Default);

    pointer.set(MousePointer::Hourglass);
    for (const char *name : {"PushButton2", "ListView1", "Frame1", "PushButton8"}) {
        hover(name);
        QCOMPARE(pointer.value(), MousePointer::Hourglass);
    }
    hover("Form2", QPoint(652, 210));
    QCOMPARE(pointer.value(), MousePointer::Hourglass);
}

void Form2Test::backDeletesDocumentAndShowsMainWindow()
{
    fill(m_pages);
    QVERIFY(!m_main->isVisible());
    clickButton(*m_form, QStringLiteral("PushButton8"));
    QVERIFY(!QFile::exists(m_document));
    QVERIFY(m_main->isVisible());
    QVERIFY(!m_form->isVisible());
    QCOMPARE(ScriptedMessages::recordCount(), 0);
}

void Form2Test::newBuildAfterBackStartsAtItsFirstPage()
{
    fill(m_pages);
    clickButton(*m_form, QStringLiteral("PushButton1"));
    WindowParts::pageViewport(*m_form).vScroll1()->setValue(40);
    clickButton(*m_form, QStringLiteral("PushButton8"));

    fill({m_pages.at(2), m_pages.at(0)});
    PageViewport &view = WindowParts::pageViewport(*m_form);
    QCOMPARE(list().topLevelItemCount(), 2);
    QCOMPARE(view.zoom(), 1.0f);
    QCOMPARE(view.zoomOri()->picture(), m_form->pageImage(0));
    QCOMPARE(page().outerWidth(), 5998.0f);
    QCOMPARE(page().outerHeight(), 4498.0f);
    QCOMPARE(page().top(), 0.0f);
    QCOMPARE(view.vScroll1()->maximum(), 61);
    // A zoom step now works on the new page, not on the previous build's.
    clickButton(*m_form, QStringLiteral("PushButton1"));
    QCOMPARE(page().outerWidth(), 7497.0f);
}

// Everything the preview's buttons do, the keyboard does too, and a screen reader is told
// which page it shows at which zoom.
void Form2Test::keyboardAloneWorksThePreview()
{
    fill(m_pages);
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QWidget *view = WindowParts::pageViewport(*m_form).picture2();
    QCOMPARE(QAccessible::queryAccessibleInterface(view)->text(QAccessible::Name), QStringLiteral("Page 1 of 3, zoom 100 %"));

    QTest::keyClick(m_form.get(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(WindowParts::pageViewport(*m_form).zoom(), 1.25f);
    QCOMPARE(QAccessible::queryAccessibleInterface(view)->text(QAccessible::Name), QStringLiteral("Page 1 of 3, zoom 125 %"));
    // With the page view focused, the arrows scroll it.
    view->setFocus();
    const int before = WindowParts::pageViewport(*m_form).vScroll1()->value();
    QTest::keyClick(view, Qt::Key_Down);
    QVERIFY(WindowParts::pageViewport(*m_form).vScroll1()->value() > before);
    QTest::keyClick(view, Qt::Key_PageUp);
    QCOMPARE(WindowParts::pageViewport(*m_form).vScroll1()->value(), 0);
    QTest::keyClick(m_form.get(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(WindowParts::pageViewport(*m_form).zoom(), 1.0f);

    // Ctrl+S opens the save dialog (cancelled here), Esc goes back to the entries.
    m_dialogs.queueSave(QString());
    QTest::keyClick(m_form.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_dialogs.saveRequests().size(), 1);
    QTest::keyClick(m_form.get(), Qt::Key_Escape);
    QVERIFY(m_form->isHidden());
    QVERIFY(m_main->isVisible());
}

void Form2Test::menuItemsDoTheirCommands()
{
    fill(m_pages);
    chooseMenuItem(*m_form, QStringLiteral("zoomIn"));
    QCOMPARE(WindowParts::pageViewport(*m_form).zoom(), 1.25f);
    chooseMenuItem(*m_form, QStringLiteral("zoomOut"));
    QCOMPARE(WindowParts::pageViewport(*m_form).zoom(), 1.0f);
    const qsizetype saveDialogs = m_dialogs.saveRequests().size();
    m_dialogs.queueSave(QString());
    chooseMenuItem(*m_form, QStringLiteral("saveAs"));
    QCOMPARE(m_dialogs.saveRequests().size(), saveDialogs + 1);
    ScriptedMessages::takeRecords();
    chooseMenuItem(*m_form, QStringLiteral("print")); // no office here to lay the pages out
    const QList<ScriptedMessages::Record> printed = ScriptedMessages::takeRecords();
    QCOMPARE(printed.size(), 1);
    QVERIFY(printed.at(0).text.contains(QStringLiteral("print")));
    chooseMenuItem(*m_form, QStringLiteral("back"));
    QVERIFY(m_form->isHidden());
    QVERIFY(m_main->isVisible());
}

void Form2Test::closingDeletesDocumentAndEndsProgram()
{
    fill(m_pages);
    m_form->setProgramEnd(&ProgramEnd::now);
    QEventLoop program;
    QTimer::singleShot(0, m_form.get(), [this] { m_form->close(); });
    QTimer::singleShot(10000, &program, [&program] { program.exit(99); });
    QCOMPARE(program.exec(), 0);
    QVERIFY(!QFile::exists(m_document));
    QVERIFY(!m_form->isVisible());
    QVERIFY(!m_main->isVisible());
    QCOMPARE(ScriptedMessages::recordCount(), 0);
}

DAYBLOOM_TEST_MAIN(Form2Test)
#include "tst_Form2.moc"
