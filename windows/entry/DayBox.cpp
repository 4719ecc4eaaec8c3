#include "windows/entry/DayBox.h"

#include "windows/entry/EntryTextValidator.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QScopedValueRollback>

#include <limits>

DayBox::DayBox(int month, int index, QWidget *parent)
    : QLineEdit(parent)
    , m_month(month)
    , m_index(index)
{
    // The border is drawn here, one pixel wide, so that it coincides with the borders of
    // the neighbouring boxes and day numbers and each month reads as a ruled table.
    setFrame(false);
    setTextMargins(3, 1, 2, 1);
    setMouseTracking(true);
    // The validator keeps the box's limit instead of the box, so that it sees the whole of
    // a paste and can say when it cuts one.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new EntryTextValidator(
        [this](EntryTextValidator::LeftOut what) { tellLeftOut(what.controls, what.rest); }, this));
}

// Undo and redo belong to the box while it has typing of its own to take back or do again;
// otherwise the keys go to the window, which takes back changes of the whole calendar.
bool DayBox::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::Drop:
    case QEvent::MouseButtonRelease: // pasting the selection with the middle button
    case QEvent::ContextMenu: {      // its Paste
        const QScopedValueRollback acting(m_personActing, true);
        return QLineEdit::event(event);
    }
    default:
        break;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->matches(QKeySequence::Undo) && !isUndoAvailable())
            || (key->matches(QKeySequence::Redo) && !isRedoAvailable())) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void DayBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    emit focused(this, event->reason());
}

void DayBox::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QLineEdit::mouseMoveEvent(event);
}

// Only what the person does is told: a stored entry longer than the box is shown cut
// without a word, and stays whole in the store.
void DayBox::tellLeftOut(bool controls, bool rest)
{
    if (!m_personActing)
        return;
    QStringList notice;
    if (controls)
        notice.append(tr("Control characters (invisible codes) were left out."));
    if (rest)
        notice.append(tr("A day's box holds at most %1 characters: the rest was left out.")
                          .arg(QLocale(QLocale::English).toString(EntryTextValidator::longestText)));
    emit leftOut(notice.join(u' '));
}

void DayBox::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
