#include "core/entry/CopiedDayEntries.h"

#include "core/shell/CalendarMonths.h"

CopiedDayEntries::CopiedDayEntries(const DayEntries &entries)
{
    m_texts.reserve(CalendarMonths::totalDays);
    for (int month = 0; month < CalendarMonths::count; ++month) {
        for (int index = 0; index < CalendarMonths::month(month).days; ++index)
            m_texts.append(entries.entryText(month, index));
    }
}

QString CopiedDayEntries::entryText(int month, int index) const
{
    return m_texts.at(CalendarMonths::dayOfYear(month, index));
}

void CopiedDayEntries::setEntryText(int month, int index, const QString &text)
{
    m_texts[CalendarMonths::dayOfYear(month, index)] = text;
}
