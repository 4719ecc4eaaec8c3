#pragma once

#include "core/entry/DayEntries.h"
#include "core/shell/CalendarMonths.h"

#include <QHash>
#include <QString>

// Day entries held in memory, by settings key ("txtJan0"), counting the writes.
class MemoryDayEntries : public DayEntries
{
public:
    QString entryText(int month, int index) const override { return texts.value(CalendarMonths::entryName(month, index)); }
    void setEntryText(int month, int index, const QString &text) override
    {
        texts.insert(CalendarMonths::entryName(month, index), text);
        ++writes;
    }
    QHash<QString, QString> texts;
    int writes = 0;
};
