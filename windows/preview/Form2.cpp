#include "windows/preview/Form2.h"

#include "core/shell/ErrorReport.h"
#include "core/shell/FileRoutines.h"
#include "core/shell/ProductInfo.h"
#include "windows/preview/PageViewport.h"
#include "windows/preview/PersistentPictureBox.h"
#include "windows/preview/PreviewGeometry.h"
#include "windows/widgets/PushButton.h"
#include "windows/widgets/SystemColors.h"
#include "windows/widgets/Twips.h"
#include "windows/widgets/WindowFonts.h"
#include "windows/widgets/WindowSetup.h"
#include "windows/widgets/MenuItem.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>

#include <stdexcept>

namespace {

const QString windowName = QStringLiteral("Form2");

} // namespace

Form2::Form2(QWidget *mainWindow, WordEngine *engine, CommonDialog &commonDialog)
    : QWidget(nullptr)
    , m_mainWindow(mainWindow)
    , m_saving(*this, engine, commonDialog)
    , m_printing(*this, engine, commonDialog, m_pointer)
{
    createWindow();
    createPageList();
    m_viewport = new PageViewport(m_window.clientArea, m_pointer);
    createZoomFrame();
    createCommandButtons();
    createMenu();
    connectSignals();
}

void Form2::createWindow()
{
    m_window = WindowSetup::shape(*this, windowName, PreviewGeometry::clientWidth, PreviewGeometry::clientHeight);
}

void Form2::createPageList()
{
    ListView1 = new QTreeWidget(m_window.clientArea);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(Twips::rect(PreviewGeometry::pageList));
    ListView1->setFont(WindowFonts::window());
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The one column keeps the width it is given instead of filling the list.
    ListView1->header()->setStretchLastSection(false);
    ListView1->installEventFilter(this);
    watchPointerOverSurface(ListView1->viewport());
    watchPointerOverSurface(ListView1->header());
}

void Form2::createZoomFrame()
{
    Frame1 = new QGroupBox(tr("Zoom:"), m_window.clientArea);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(Twips::rect(PreviewGeometry::zoomFrame));
    watchPointerOverSurface(Frame1);

    PushButton1 = PushButton::create(Frame1, QStringLiteral("PushButton1"), tr("Zoom In"),
                                     Twips::rect(PreviewGeometry::zoomInButton));
    PushButton2 = PushButton::create(Frame1, QStringLiteral("PushButton2"), tr("Zoom Out"),
                                     Twips::rect(PreviewGeometry::zoomOutButton));
}

void Form2::createCommandButtons()
{
    PushButton8 = PushButton::create(m_window.clientArea, QStringLiteral("PushButton8"), tr("< Back"),
                                     Twips::rect(PreviewGeometry::backButton));
    PushButton6 = PushButton::create(m_window.clientArea, QStringLiteral("PushButton6"), tr("Save Results To Word File"),
                                     Twips::rect(PreviewGeometry::saveButton));
}

// The menu items carry the window's keys: print, zoom, save, go back.
void Form2::createMenu()
{
    QMenu *file = m_window.menuBar->addMenu(tr("&File"));
    file->setAccessibleName(tr("File"));
    MenuItem::add(*file, QStringLiteral("saveAs"), tr("&Save as…"), [this] { PushButton6_Click(); })
        ->setShortcuts(QKeySequence::Save);
    MenuItem::add(*file, QStringLiteral("print"), tr("&Print…"), [this] { printCalendar(); })
        ->setShortcuts(QKeySequence::Print);
    file->addSeparator();
    MenuItem::add(*file, QStringLiteral("back"), tr("&Back"), [this] { PushButton8_Click(); })
        ->setShortcuts(QList<QKeySequence>{QKeySequence(Qt::Key_Escape)} + QKeySequence::keyBindings(QKeySequence::Back));
    QMenu *view = m_window.menuBar->addMenu(tr("&View"));
    view->setAccessibleName(tr("View"));
    MenuItem::add(*view, QStringLiteral("zoomIn"), tr("Zoom &in"), [this] { PushButton1_Click(); })
        ->setShortcuts(QKeySequence::keyBindings(QKeySequence::ZoomIn) << QKeySequence(Qt::CTRL | Qt::Key_Equal));
    MenuItem::add(*view, QStringLiteral("zoomOut"), tr("Zoom &out"), [this] { PushButton2_Click(); })
        ->setShortcuts(QKeySequence::ZoomOut);
    WindowSetup::centre(*this);
}

void Form2::connectSignals()
{
    connect(ListView1, &QTreeWidget::itemClicked, this, [this] { ListView1_Click(); });
    connect(PushButton1, &QPushButton::clicked, this, &Form2::PushButton1_Click);
    connect(PushButton2, &QPushButton::clicked, this, &Form2::PushButton2_Click);
    connect(PushButton6, &QPushButton::clicked, this, &Form2::PushButton6_Click);
    connect(PushButton8, &QPushButton::clicked, this, &Form2::PushButton8_Click);
    for (PushButton *button : {PushButton1, PushButton2, PushButton6, PushButton8})
        connect(button, &PushButton::mouseOver, this, [this] { m_pointer.movedOverButton(); });
    ListView1->setAccessibleName(tr("Pages"));
    PushButton1->setAccessibleDescription(tr("Shows the page larger (Ctrl++)"));
    PushButton2->setAccessibleDescription(tr("Shows the page smaller (Ctrl+-)"));
    PushButton6->setAccessibleDescription(tr("Saves the calendar as a document or PDF (Ctrl+S)"));
    PushButton8->setAccessibleDescription(tr("Goes back to the entries (Esc)"));
}

void Form2::printCalendar()
{
    m_printing.print(mWordFile);
}

void Form2::watchPointerOverSurface(QWidget *widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

void Form2::Form_Load()
{
    const ErrorReport report(windowName, QStringLiteral("Form_Load"));
    report.step(100, [&] { mFirstActivate = true; });
    report.step(102, [&] { ApplySystemColors(this); });
    WindowSetup::load(*this, ProductInfo::productName, m_pointer, report, 104, 108);
    report.step(112, [&] { ListView1->setHeaderLabels({tr("Page(s)")}); });
    report.step(114, [&] { ListView1->setColumnWidth(0, Twips::toPixels(PreviewGeometry::pageListColumnWidth)); });
}

// Runs when the window becomes active. Only the first time after loading (or after a new
// build refilled the page list) does it set the page view up, with the page the builder
// put into Picture1. A window shown without a window manager never becomes active, so the
// first showing runs it too; the activation that may follow then finds the set-up done.
void Form2::Form_Activate()
{
    const ErrorReport report(windowName, QStringLiteral("Form_Activate"));
    bool setUp = false;
    report.step(100, [&] { setUp = mFirstActivate; });
    if (setUp) {
        PersistentPictureBox *page = m_viewport->picture1();
        // Picture1 always keeps a persistent image of what is painted on it.
        report.step(106, [&] { page->setAutoSize(true); });
        report.step(110, [&] { page->setBackgroundColor(Qt::white); });
        m_viewport->ShowPagePicture(page->picture(), &report);
        describePageView();
    }
    report.step(138, [&] { mFirstActivate = false; });
}

bool Form2::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(event);
}

void Form2::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (mFirstActivate)
        Form_Activate();
}

void Form2::closeEvent(QCloseEvent *event)
{
    if (m_unloading) {
        event->accept();
        return;
    }
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    Form_Unload();
}

bool Form2::Form_QueryUnload()
{
    // Closing ends the program: the guard is asked before anything is deleted.
    if (m_closeGuard && !m_closeGuard())
        return false;
    const ErrorReport report(windowName, QStringLiteral("Form_QueryUnload"));
    report.step(100, [&] { DeleteFileRobust(mWordFile); });
    report.step(102, [&] { QCoreApplication::processEvents(); });
    report.step(104, [&] { QCoreApplication::processEvents(); });
    return true;
}

// Ends the program at once: the hidden main window is not shown again and no other
// window's closing runs.
void Form2::Form_Unload()
{
    m_unloading = true;
    if (m_endProgram)
        m_endProgram();
}

void Form2::mouseMoveEvent(QMouseEvent *event)
{
    m_pointer.movedOverSurface();
    QWidget::mouseMoveEvent(event);
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove)
        m_pointer.movedOverSurface();
    if (watched == ListView1 && event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!key->isAutoRepeat())
            ListView1_KeyUp(key->key(), key->modifiers());
    }
    return QWidget::eventFilter(watched, event);
}

void Form2::ListView1_Click()
{
    showSelectedPage();
}

void Form2::ListView1_KeyUp(int, Qt::KeyboardModifiers)
{
    showSelectedPage();
}

// Shows the selected page anew, at zoom 1.0 from its top left corner. Nothing happens
// while no row is selected.
void Form2::showSelectedPage()
{
    const QList<QTreeWidgetItem *> selected = ListView1->selectedItems();
    if (selected.isEmpty())
        return;
    const int index = ListView1->indexOfTopLevelItem(selected.first());
    m_pointer.set(MousePointer::Hourglass);
    const QImage picture = pageImage(index);
    m_viewport->picture1()->setPicture(picture);
    m_viewport->ShowPagePicture(picture);
    describePageView();
    m_pointer.set(MousePointer::Default);
}

void Form2::PushButton1_Click()
{
    ErrorReport(windowName, QStringLiteral("PushButton1_Click")).step(100, [&] { m_viewport->StepZoom(0); });
    describePageView();
}

void Form2::PushButton2_Click()
{
    ErrorReport(windowName, QStringLiteral("PushButton2_Click")).step(100, [&] { m_viewport->StepZoom(1); });
    describePageView();
}

void Form2::describePageView()
{
    const QList<QTreeWidgetItem *> selected = ListView1->selectedItems();
    const int page = selected.isEmpty() ? 1 : ListView1->indexOfTopLevelItem(selected.first()) + 1;
    m_viewport->describe(page, ListView1->topLevelItemCount());
}

// Writes the generated document to a file the person names.
void Form2::PushButton6_Click()
{
    m_saving.save(mWordFile);
}

void Form2::PushButton8_Click()
{
    const ErrorReport report(windowName, QStringLiteral("PushButton8_Click"));
    report.step(102, [&] { DeleteFileRobust(mWordFile); });
    report.step(104, [&] {
        if (!m_mainWindow)
            throw std::runtime_error("The main window no longer exists");
        m_mainWindow->show();
    });
    report.step(106, [&] { hide(); });
}

void Form2::clearPageList()
{
    ListView1->clear();
    // A new build: its first page is set up afresh when the window shows again, and no
    // page of the previous build stays in the view meanwhile.
    m_viewport->clearPage();
    mFirstActivate = true;
}

void Form2::addPageListItem(const QString &text)
{
    new QTreeWidgetItem(ListView1, QStringList{text});
}

int Form2::pageListCount() const
{
    return ListView1->topLevelItemCount();
}

void Form2::ensurePageImage(int index)
{
    m_pageImages.ensure(index);
}

void Form2::loadPageImage(int index, const QString &file)
{
    m_pageImages.load(index, file);
}

void Form2::clearPageImage(int index)
{
    m_pageImages.clear(index);
}

QImage Form2::pageImage(int index) const
{
    return m_pageImages.image(index);
}

void Form2::showFirstPage()
{
    m_viewport->picture1()->setPicture(m_pageImages.image(0));
}

void Form2::setWordFile(const QString &path)
{
    mWordFile = path;
}

void Form2::showPreview()
{
    show();
    raise();
    activateWindow();
}
