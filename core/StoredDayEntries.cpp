#include "core/StoredDayEntries.h"

#include "core/CalendarMonths.h"

#include <stdexcept>

QString StoredDayEntries::entryText(int month, int index) const
{
    return m_store.read(CalendarMonths::entryName(month, index));
}

void StoredDayEntries::setEntryText(int, int, const QString &)
{
    throw std::logic_error("The stored entries are read only here.");
}
