#pragma once

#include <QString>

// The 366 day entries: the calendar's (Calendar), or a copy of them for work on another
// thread. month is 0 (January) … 11, index the day of the month less one.
class DayEntries
{
public:
    virtual ~DayEntries() = default;

    virtual QString entryText(int month, int index) const = 0;
    // Sets the text as if typed: the change is stored like any other.
    virtual void setEntryText(int month, int index, const QString &text) = 0;
};
