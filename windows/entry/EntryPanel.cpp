#include "windows/entry/EntryPanel.h"

#include "windows/entry/DayBox.h"
#include "windows/entry/PanelGeometry.h"
#include "core/entry/Calendar.h"
#include "core/shell/CalendarMonths.h"
#include "core/shell/MonthNames.h"
#include "core/shell/CheckedArithmetic.h"
#include "windows/widgets/MousePointer.h"
#include "windows/widgets/PictureBox.h"
#include "windows/widgets/SystemColors.h"
#include "windows/widgets/Twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>

namespace {

// Captions and day numbers: light grey, centred, with a single-line border.
const QColor labelGrey(0xE0, 0xE0, 0xE0);

QLabel *createLabel(const QString &text, const QString &objectName, const PanelGeometry::Rect &geometry,
                    QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setGeometry(Twips::rect(geometry));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    SystemColors::setBackground(label, labelGrey);
    return label;
}

// " 1" for the first day (the leading blank is part of the design), then "2" … "31".
QString dayNumberText(int day)
{
    return day == 1 ? QStringLiteral(" 1") : QString::number(day);
}

} // namespace

EntryPanel::EntryPanel(Calendar &calendar, MousePointer &pointer, QWidget *parent)
    : QGroupBox(tr("Calendar"), parent)
    , m_calendar(calendar)
    , m_pointer(pointer)
{
    setObjectName(QStringLiteral("Frame3"));
    setGeometry(Twips::rect(PanelGeometry::frame));
    SystemColors::setBackground(this, Qt::white);
    setMouseTracking(true);
    createContainers();
    for (int month = 0; month < CalendarMonths::count; ++month)
        createMonth(month);
    createPlaceholders();
    connect(&calendar, &Calendar::entryChanged, this, &EntryPanel::showEntry);
}

// The boxes are deleted after this object's members: they must no longer reach it, for
// example through a focus change while they go.
EntryPanel::~EntryPanel()
{
    for (const std::vector<DayBox *> &boxes : m_boxes) {
        for (DayBox *box : boxes)
            box->disconnect(this);
    }
}

void EntryPanel::createContainers()
{
    m_viewport = new PictureBox(this);
    m_viewport->setObjectName(QStringLiteral("Picture1"));
    m_viewport->setGeometry(Twips::rect(PanelGeometry::viewport));
    SystemColors::setBackground(m_viewport, QApplication::palette().color(QPalette::Base));
    // Moving over the panel's pictures, labels and placeholders leaves the pointer alone.
    m_viewport->setAttribute(Qt::WA_NoMousePropagation);

    m_panel = new PictureBox(m_viewport);
    m_panel->setObjectName(QStringLiteral("Picture2"));
    m_panel->setGeometry(QRect(Twips::point(PanelGeometry::panelLeft, -PanelGeometry::scrollMinimum),
                               Twips::size(PanelGeometry::panelWidth, PanelGeometry::panelHeight)));
    SystemColors::setBackground(m_panel, Qt::white);

    // Created after the panel so that it stays above it at the viewport's right edge.
    m_scrollBar = new QScrollBar(Qt::Vertical, m_viewport);
    m_scrollBar->setObjectName(QStringLiteral("VScroll1"));
    m_scrollBar->setGeometry(Twips::rect(PanelGeometry::scrollBar));
    m_scrollBar->setRange(PanelGeometry::scrollMinimum, PanelGeometry::scrollDesignedMaximum);
    m_scrollBar->setSingleStep(PanelGeometry::scrollArrowStep);
    m_scrollBar->setPageStep(PanelGeometry::scrollPageStep);
    m_scrollBar->setTracking(true); // the panel follows the thumb while it is dragged
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &EntryPanel::movePanel);
}

void EntryPanel::createMonth(int month)
{
    const CalendarMonth &info = CalendarMonths::month(month);
    createLabel(MonthNames::caption(month), QString::fromLatin1(info.captionLabel),
                PanelGeometry::captionRect(month), m_panel);
    std::vector<DayBox *> &boxes = m_boxes.at(static_cast<size_t>(month));
    for (int day = 1; day <= PanelGeometry::rowsPerMonth; ++day) {
        const bool exists = day <= info.days;
        QLabel *number = createLabel(exists ? dayNumberText(day) : QString(), QStringLiteral("Label2"),
                                     PanelGeometry::dayLabelRect(month, day), m_panel);
        number->setProperty("index", month * PanelGeometry::rowsPerMonth + day - 1);
        if (!exists)
            continue;
        auto *box = new DayBox(month, day - 1, m_panel);
        box->setObjectName(QStringLiteral("%1_%2").arg(QString::fromLatin1(info.arrayName)).arg(day - 1));
        // What a screen reader says for the box: its day; the entry is the box's value.
        box->setAccessibleName(MonthNames::dayName(month, day - 1));
        box->setGeometry(Twips::rect(PanelGeometry::boxRect(month, day)));
        connectBox(box);
        boxes.push_back(box);
    }
}

void EntryPanel::createPlaceholders()
{
    for (const PanelGeometry::Placeholder &placeholder : PanelGeometry::placeholders) {
        auto *dummy = new QLineEdit(m_panel);
        dummy->setObjectName(QStringLiteral("txtDummy"));
        dummy->setProperty("index", placeholder.index);
        dummy->setGeometry(Twips::rect(PanelGeometry::boxRect(placeholder.month, placeholder.day)));
        dummy->setEnabled(false);
        dummy->setFocusPolicy(Qt::NoFocus);
    }
}

void EntryPanel::connectBox(DayBox *box)
{
    connect(box, &QLineEdit::textChanged, this, [this, box](const QString &text) { txtJan_Change(box, text); });
    connect(box, &DayBox::focused, this, &EntryPanel::boxFocused);
    connect(box, &DayBox::mouseMoved, this, [this] { m_pointer.movedOverSurface(); });
    connect(box, &DayBox::leftOut, this, &EntryPanel::notice);
}

QLineEdit *EntryPanel::box(int month, int index) const
{
    return m_boxes.at(static_cast<size_t>(month)).at(static_cast<size_t>(index));
}

void EntryPanel::showEntry(int month, int index, const QString &text)
{
    // A box the person types in already shows what it gives the calendar.
    QLineEdit *shownBox = box(month, index);
    if (shownBox->text() == text)
        return;
    m_showing = true;
    shownBox->setText(text);
    m_showing = false;
}

void EntryPanel::mouseMoveEvent(QMouseEvent *event)
{
    m_pointer.movedOverSurface();
    QGroupBox::mouseMoveEvent(event);
}

void EntryPanel::txtJan_Change(const DayBox *box, const QString &text)
{
    if (m_showing)
        return;
    m_calendar.setEntryText(box->month(), box->index(), text);
}

void EntryPanel::boxFocused(DayBox *box, Qt::FocusReason reason)
{
    // The window becoming active again (after a message box, or on return from another
    // program) gives the focus back to the same box: that is not a new focus.
    if (reason == Qt::ActiveWindowFocusReason && box == m_lastFocusedBox)
        return;
    m_lastFocusedBox = box;
    scrollToBox(box);
    if (box->month() != 0)
        selectWholeText(box);
}

// Puts the focused box on the viewport's last visible row, or the panel at its top when
// the box is visible there.
void EntryPanel::scrollToBox(const DayBox *box)
{
    const double top = Twips::fromPixels(box->y());
    const double height = Twips::fromPixels(box->height());
    const double viewportHeight = Twips::fromPixels(m_viewport->height());
    if (top + height < viewportHeight)
        m_scrollBar->setValue(PanelGeometry::scrollMinimum);
    else
        m_scrollBar->setValue(CheckedArithmetic::roundToInt16(top - viewportHeight + PanelGeometry::dayPitch));
}

// Queued, not sent: the keys act after the focus change has been fully handled, as if
// the user had pressed Home and then Shift+End.
void EntryPanel::selectWholeText(DayBox *box)
{
    QCoreApplication::postEvent(box, new QKeyEvent(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier));
    QCoreApplication::postEvent(box, new QKeyEvent(QEvent::KeyPress, Qt::Key_End, Qt::ShiftModifier));
}

void EntryPanel::movePanel(int scrollValue)
{
    m_panel->move(Twips::point(PanelGeometry::panelLeft, -scrollValue));
}
