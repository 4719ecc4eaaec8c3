#pragma once

#include <QObject>

class DayEntries;
class EntryPanel;

// Over a day whose entry has a counted year ("Mom Birthday (1956)"), the tooltip says what
// the calendar's chosen year makes of it: "71 in 2027". The perpetual calendar counts
// nothing, and says nothing.
class YearTooltips : public QObject
{
    Q_OBJECT

public:
    // Watches every day box of the panel, whose entries are these; lives as long as the
    // panel.
    YearTooltips(EntryPanel &panel, const DayEntries &entries);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const DayEntries &m_entries;
};
