#pragma once

#include "core/CalendarEntryStore.h"
#include "core/DayEntries.h"

// The day entries as the settings file holds them, for work without a window. Read only:
// setting an entry is refused, so nothing is ever written back.
class StoredDayEntries : public DayEntries
{
public:
    QString entryText(int month, int index) const override;
    // Throws std::logic_error: stored entries are not changed here.
    void setEntryText(int month, int index, const QString &text) override;

private:
    CalendarEntryStore m_store;
};
