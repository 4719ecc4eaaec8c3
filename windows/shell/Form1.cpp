#include "windows/shell/Form1.h"

#include "core/entry/Calendar.h"
#include "core/entry/CalendarCommands.h"
#include "windows/entry/EntryPanel.h"
#include "core/shell/ApplicationTitle.h"
#include "windows/shell/ApplySkin.h"
#include "windows/shell/MainMenu.h"
#include "core/shell/CalendarMonths.h"
#include "core/shell/ErrorReport.h"
#include "windows/widgets/PictureBox.h"
#include "core/shell/CheckedArithmetic.h"
#include "core/shell/ProductInfo.h"
#include "windows/shell/ProgramEnd.h"
#include "windows/widgets/PushButton.h"
#include "windows/widgets/SystemColors.h"
#include "windows/widgets/Twips.h"
#include "windows/widgets/CommonDialog.h"
#include "windows/widgets/WindowSetup.h"
#include "core/wordgen/DocumentNameGenerator.h"
#include "core/wordgen/IsInstalled.h"
#include "core/shell/StartupEntries.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolTip>

#include <stdexcept>

namespace {

constexpr int clientWidth = 11880;
constexpr int clientHeight = 8550;

QWidget *required(QWidget *box)
{
    if (!box)
        throw std::runtime_error("Object required");
    return box;
}

} // namespace

Form1::Form1(WordEngine &engine, CommonDialog &commonDialog, QWidget *parent)
    : Form1(engine, commonDialog, ProductInfo::productName, parent)
{
}

Form1::Form1(WordEngine &engine, CommonDialog &commonDialog, const QString &productName, QWidget *parent)
    : QWidget(parent)
    , m_engine(engine)
    , m_commonDialog(commonDialog)
    , m_productName(productName)
    , m_calendar(new Calendar(this))
    , m_window(WindowSetup::shape(*this, QStringLiteral("Form1"), clientWidth, clientHeight))
    , m_entryPanel(new EntryPanel(*m_calendar, m_mousePointer, m_window.clientArea))
    , m_unsavedEntries(m_calendar->writer(), [this] { return chooseEntriesFile(); })
    , m_build(engine, commonDialog, *this, *m_calendar, m_mousePointer, DocumentNameGenerator::shared(),
              [this] { return m_unsavedEntries.mayClose(); })
    , m_changes(*m_calendar, [](const QString &warning) { qWarning("%s", qUtf8Printable(warning)); })
    , m_importer(*this, commonDialog, *m_calendar, [this](const QString &what, const std::function<void()> &change) {
        changeWholeCalendar(what, change);
    })
    , m_exporter(*m_calendar, [this] { return chooseDatesFile(); })
    , m_keepsake(*this, engine, commonDialog, *m_entryPanel, *m_calendar)
{
    createWindow();
    createButtons();
    connectButtons();
    createMenu();
}

void Form1::createWindow()
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    SystemColors::setBackground(this, Qt::white);
    setAcceptDrops(true);
}

void Form1::createButtons()
{
    struct ButtonDesign {
        PushButton *Form1::*member;
        const char *name;
        const char *caption;
        int left, top, width, height;
        const char *description; // for screen readers
    };
    static constexpr ButtonDesign designs[] = {
        {&Form1::PushButton22, "PushButton22", QT_TR_NOOP("Start Creating Template"), 120, 120, 11670, 400,
         QT_TR_NOOP("Makes the calendar document from the entries and shows its pages")},
        {&Form1::PushButton1, "PushButton1", QT_TR_NOOP("Clear/Reset Calendar"), 120, 630, 5760, 405,
         QT_TR_NOOP("Empties the entries of all 366 days")},
        {&Form1::PushButton2, "PushButton2", QT_TR_NOOP("Load Sample/Example Amounts"), 6000, 630, 5760, 405,
         QT_TR_NOOP("Writes eight example entries")},
    };
    for (const ButtonDesign &design : designs) {
        PushButton *button = PushButton::create(m_window.clientArea, QString::fromLatin1(design.name), tr(design.caption),
                                                Twips::rect(design.left, design.top, design.width, design.height));
        connect(button, &PushButton::mouseOver, this, [this] { m_mousePointer.movedOverButton(); });
        button->setAccessibleDescription(tr(design.description));
        this->*design.member = button;
    }
}

void Form1::connectButtons()
{
    connect(PushButton22, &PushButton::clicked, this, &Form1::PushButton22_Click);
    connect(PushButton1, &PushButton::clicked, this, &Form1::PushButton1_Click);
    connect(PushButton2, &PushButton::clicked, this, &Form1::PushButton2_Click);
    connect(m_entryPanel, &EntryPanel::notice, this, &Form1::showNotice);
}

void Form1::createMenu()
{
    m_menu = new MainMenu(*m_window.menuBar, m_changes.history(),
                          {.importDates = [this] { m_importer.chooseFiles(); },
                           .exportDates = [this] { m_exporter.exportDates(); },
                           .quit = [this] { close(); },
                           .undo = [this] { takeBack(); },
                           .redo = [this] { doAgain(); },
                           .chooseDesign = [this] { if (m_keepsake.chooseDesign()) m_build.windowShown(); },
                           .choosePictures = [this] { m_keepsake.choosePictures(); }});
    m_build.setBuildCheck([this] { return m_keepsake.mayBuild(); });
    WindowSetup::centre(*this);
}

void Form1::Form_Load()
{
    const ErrorReport report(QStringLiteral("Form1"), QStringLiteral("Form_Load"));
    report.step(102, [&] { ApplySkin(this, SkinFramework1); });
    report.step(104, [&] { SetAppTitle(m_productName); });
    WindowSetup::load(*this, m_productName, m_mousePointer, report, 104, 106);

    report.step(128, [&] {
        QScrollBar *scrollBar = m_entryPanel->scrollBar();
        scrollBar->setMaximum(CheckedArithmetic::roundToInt16(Twips::fromPixels(m_entryPanel->panel()->height())
                                           - Twips::fromPixels(m_entryPanel->viewport()->height())));
    });

    restoreEntries(report);

    report.step(226, [&] { m_programEnded = !CheckWordAvailable(m_engine, [this] { return m_closing; }); });
}

// Gives the 366 boxes the keyboard positions 0-365 in calendar order and their stored
// texts, after anything the user must know about the settings file has been said.
// Restoring stores nothing: every stored value stays exactly as it is. The controls made
// after the panel (the buttons) follow the boxes.
void Form1::restoreEntries(const ErrorReport &report)
{
    StartupEntries entries(m_calendar->store(), m_calendar->writer());
    entries.checkSettingsFile();
    int counter = 0; // the next keyboard position
    QWidget *previousStop = nullptr;
    for (int month = 0; month < CalendarMonths::count; ++month) {
        const int label = 130 + 8 * month;
        for (int index = 0; index < CalendarMonths::month(month).days; ++index) {
            QLineEdit *box = nullptr;
            report.step(label, [&] { box = m_entryPanel->box(month, index); });
            report.step(label + 2, [&] {
                QWidget *stop = required(box);
                if (counter > 0 && previousStop)
                    QWidget::setTabOrder(previousStop, stop);
                previousStop = stop;
            });
            report.step(label + 4, [&] {
                required(box);
                const QString key = CalendarMonths::entryName(month, index);
                m_calendar->restoreEntryText(month, index, entries.text(key));
            });
            report.step(label + 6, [&] { ++counter; });
        }
    }
}

void Form1::PushButton22_Click()
{
    m_build.build();
}

void Form1::PushButton1_Click()
{
    changeWholeCalendar(tr("Calendar cleared"), [this] {
        CalendarCommands::clear(*m_calendar, ErrorReport(QStringLiteral("Form1"), QStringLiteral("PushButton1_Click")));
    });
}

void Form1::PushButton2_Click()
{
    changeWholeCalendar(tr("Sample entries loaded"), [this] {
        CalendarCommands::loadSamples(*m_calendar,
                                      ErrorReport(QStringLiteral("Form1"), QStringLiteral("PushButton2_Click")));
    });
}

void Form1::changeWholeCalendar(const QString &what, const std::function<void()> &change)
{
    const bool changed = m_changes.run(what, change);
    m_menu->historyChanged();
    if (changed)
        showNotice(tr("%1: Ctrl+Z takes it back.").arg(what));
}

void Form1::takeBack()
{
    const QString what = m_changes.undo();
    m_menu->historyChanged();
    if (!what.isEmpty())
        showNotice(tr("%1: taken back (Ctrl+Shift+Z does it again).").arg(what));
}

void Form1::doAgain()
{
    const QString what = m_changes.redo();
    m_menu->historyChanged();
    if (!what.isEmpty())
        showNotice(tr("%1: done again.").arg(what));
}

// A note under the command buttons that moves nothing and goes by itself.
void Form1::showNotice(const QString &text)
{
    constexpr int shownFor = 6000; // milliseconds
    const QPoint below = PushButton1->mapToGlobal(QPoint(PushButton1->width() / 2, PushButton1->height()));
    QToolTip::showText(below, text, this, QRect(), shownFor);
}

void Form1::closeWithoutAsking()
{
    m_closing = true;
    m_importer.cancel();
    m_unsavedEntries.keepWithoutAsking();
    ProgramEnd::now();
}

void Form1::closeEvent(QCloseEvent *event)
{
    // An import not yet confirmed ends with nothing changed.
    m_importer.cancel();
    if (!m_unsavedEntries.mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
    m_closing = true;
    ProgramEnd::now();
}

// Where the user wants the entries saved when the settings file refuses them.
QString Form1::chooseEntriesFile()
{
    return m_commonDialog.chooseSaveName(this, {tr("Save Entries"), {tr("Settings Files (*.ini)")},
                                                QFileInfo(CalendarEntryStore::fileName()).fileName()});
}

QString Form1::chooseDatesFile()
{
    return m_commonDialog.chooseSaveName(
        this, {tr("Export Dates"),
               {tr("Calendar Files (*.ics)"), tr("Spreadsheet Files (*.csv)")},
               tr("Family dates.ics")});
}

void Form1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_build.windowShown();
}

void Form1::dragEnterEvent(QDragEnterEvent *event)
{
    if (DateImporter::takesDropped(event->mimeData()))
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent *event)
{
    if (m_importer.importDropped(event->mimeData()))
        event->acceptProposedAction();
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    m_mousePointer.movedOverSurface();
    QWidget::mouseMoveEvent(event);
}
