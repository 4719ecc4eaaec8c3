#pragma once

#include "core/shell/CalendarEntryStore.h"
#include "core/entry/DayEntries.h"

// The day entries as the settings file holds them, for work without a window. Read only
// unless made writable: a read-only one refuses every change, so nothing is written back.
class StoredDayEntries : public DayEntries
{
public:
    enum class Access { ReadOnly, ReadWrite };
    explicit StoredDayEntries(Access access = Access::ReadOnly)
        : m_access(access)
    {
    }

    QString entryText(int month, int index) const override;
    // Stores the text at once. Throws std::runtime_error when the entries are read only or
    // the settings file refuses the write.
    void setEntryText(int month, int index, const QString &text) override;

private:
    Access m_access;
    CalendarEntryStore m_store;
};
