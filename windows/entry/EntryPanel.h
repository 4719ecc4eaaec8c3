#pragma once

#include "core/entry/DayEntries.h"
#include "core/shell/EntryWriter.h"

#include <QGroupBox>
#include <QPointer>

#include <array>
#include <vector>

class CalendarEntryStore;
class DayBox;
class MousePointer;
class PictureBox;
class QLineEdit;
class QScrollBar;

// The calendar entry panel, "Frame3" of the main window: the year as twelve month columns
// of day boxes on a panel (Picture2) that slides inside a fixed viewport (Picture1) under
// one scroll bar (VScroll1). Every change of a box is stored at once; the box that takes
// the focus is scrolled into view and, outside January, has its text selected.
class EntryPanel : public QGroupBox, public DayEntries
{
    Q_OBJECT

public:
    EntryPanel(CalendarEntryStore &store, MousePointer &pointer, QWidget *parent);
    ~EntryPanel() override;

    // month 0 (January) … 11; index = day of the month - 1.
    QLineEdit *box(int month, int index) const;
    // The day's text, whole even where its box shows it cut.
    QString entryText(int month, int index) const override;
    // Sets the text as if typed; a text longer than the box takes is shown cut and stored
    // whole.
    void setEntryText(int month, int index, const QString &text) override;
    // Shows the day's stored text without storing it again. An entry longer than the box
    // takes is shown cut and stays whole in the store until the box is edited.
    void restoreEntryText(int month, int index, const QString &text);

    EntryWriter &entryWriter() { return m_writer; }

    PictureBox *viewport() const { return m_viewport; }
    PictureBox *panel() const { return m_panel; }
    QScrollBar *scrollBar() const { return m_scrollBar; }

signals:
    // A short notice for the person, such as what a box left out of a paste.
    void notice(const QString &text);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void createContainers();
    void createMonth(int month);
    void createPlaceholders();
    void connectBox(DayBox *box);

    // The change handler of every day box, txtJan … txtDec alike: stores the box's text at
    // once under its key, unless the text is being restored from the store.
    void txtJan_Change(const DayBox *box, const QString &text);
    void showWithoutStoring(QLineEdit *shownBox, const QString &text);
    void boxFocused(DayBox *box, Qt::FocusReason reason);
    void scrollToBox(const DayBox *box);
    static void selectWholeText(DayBox *box);
    void movePanel(int scrollValue);

    EntryWriter m_writer;
    bool m_restoring = false; // a box's text is being restored, not changed
    MousePointer &m_pointer;
    PictureBox *m_viewport = nullptr;   // Picture1
    PictureBox *m_panel = nullptr;      // Picture2
    QScrollBar *m_scrollBar = nullptr;  // VScroll1
    std::array<std::vector<DayBox *>, 12> m_boxes;
    QPointer<DayBox> m_lastFocusedBox;
};
