#pragma once

#include <QObject>

class EntryPanel;

// Over a day whose entry has a counted year ("Mom Birthday (1956)"), the tooltip says what
// the calendar's chosen year makes of it: "71 in 2027". The perpetual calendar counts
// nothing, and says nothing.
class YearTooltips : public QObject
{
    Q_OBJECT

public:
    // Watches every day box of the panel; lives as long as the panel.
    explicit YearTooltips(EntryPanel &panel);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    EntryPanel &m_panel;
};
