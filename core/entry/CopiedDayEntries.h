#pragma once

#include "core/entry/DayEntries.h"

#include <QList>

// The day entries of a calendar as they were at one moment, for work on another thread
// while the calendar itself may change. Changing the copy changes only the copy.
class CopiedDayEntries : public DayEntries
{
public:
    explicit CopiedDayEntries(const DayEntries &entries);

    QString entryText(int month, int index) const override;
    void setEntryText(int month, int index, const QString &text) override;

private:
    QList<QString> m_texts; // by day of the year
};
