#include "core/entry/Calendar.h"

#include "core/shell/CalendarMonths.h"
#include "core/shell/MonthNames.h"

Calendar::Calendar(QObject *parent)
    : QObject(parent)
    , m_writer(m_store)
{
}

void Calendar::loadStored()
{
    const QMap<QString, QString> stored = m_store.readAll();
    for (int month = 0; month < CalendarMonths::count; ++month) {
        for (int index = 0; index < CalendarMonths::month(month).days; ++index)
            restoreEntryText(month, index, stored.value(CalendarMonths::entryName(month, index)));
    }
}

QString Calendar::entryText(int month, int index) const
{
    return m_writer.current(CalendarMonths::entryName(month, index));
}

void Calendar::setEntryText(int month, int index, const QString &text)
{
    if (text == entryText(month, index))
        return;
    m_writer.write(CalendarMonths::entryName(month, index), text, MonthNames::dayName(month, index));
    emit entryChanged(month, index, text);
}

void Calendar::restoreEntryText(int month, int index, const QString &text)
{
    m_writer.restored(CalendarMonths::entryName(month, index), text);
    emit entryChanged(month, index, text);
}
