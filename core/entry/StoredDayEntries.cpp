#include "core/entry/StoredDayEntries.h"

#include "core/shell/CalendarMonths.h"
#include "core/shell/MonthNames.h"

#include <QCoreApplication>

#include <stdexcept>

QString StoredDayEntries::entryText(int month, int index) const
{
    return m_store.read(CalendarMonths::entryName(month, index));
}

void StoredDayEntries::setEntryText(int month, int index, const QString &text)
{
    if (m_access == Access::ReadOnly)
        throw std::logic_error("The stored entries are read only here.");
    const CalendarEntryStore::WriteResult result = m_store.write(CalendarMonths::entryName(month, index), text);
    if (!result.saved)
        throw std::runtime_error(QCoreApplication::translate("EntryWriter", "The entry for %1 could not be saved: %2.")
                                     .arg(MonthNames::dayName(month, index), result.problem)
                                     .toStdString());
}
