#pragma once

#include <QGroupBox>
#include <QPointer>

#include <array>
#include <vector>

class Calendar;
class DayBox;
class MousePointer;
class PictureBox;
class QLineEdit;
class QScrollBar;

// The calendar entry panel, "Frame3" of the main window: the year as twelve month columns
// of day boxes on a panel (Picture2) that slides inside a fixed viewport (Picture1) under
// one scroll bar (VScroll1). It shows the calendar's entries and writes every change of a
// box to the calendar at once; the box that takes the focus is scrolled into view and,
// outside January, has its text selected.
class EntryPanel : public QGroupBox
{
    Q_OBJECT

public:
    EntryPanel(Calendar &calendar, MousePointer &pointer, QWidget *parent);
    ~EntryPanel() override;

    // month 0 (January) … 11; index = day of the month - 1.
    QLineEdit *box(int month, int index) const;

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

    // The change handler of every day box, txtJan … txtDec alike: gives the box's text to
    // the calendar, which stores it at once, unless the box is only showing the calendar's.
    void txtJan_Change(const DayBox *box, const QString &text);
    // Shows the day's entry in its box without handing it back. An entry longer than the
    // box takes stays whole in the calendar until the box is edited.
    void showEntry(int month, int index, const QString &text);
    void boxFocused(DayBox *box, Qt::FocusReason reason);
    void scrollToBox(const DayBox *box);
    static void selectWholeText(DayBox *box);
    void movePanel(int scrollValue);

    Calendar &m_calendar;
    bool m_showing = false; // a box is showing the calendar's entry, not changing it
    MousePointer &m_pointer;
    PictureBox *m_viewport = nullptr;   // Picture1
    PictureBox *m_panel = nullptr;      // Picture2
    QScrollBar *m_scrollBar = nullptr;  // VScroll1
    std::array<std::vector<DayBox *>, 12> m_boxes;
    QPointer<DayBox> m_lastFocusedBox;
};
