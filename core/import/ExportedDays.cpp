#include "core/import/ExportedDays.h"

#include "core/entry/DayEntries.h"
#include "core/shell/CalendarMonths.h"

QList<ExportedDay> ExportedDays::of(const DayEntries &entries)
{
    QList<ExportedDay> days;
    for (int month = 0; month < CalendarMonths::count; ++month) {
        for (int index = 0; index < CalendarMonths::month(month).days; ++index) {
            const QString text = entries.entryText(month, index);
            if (!text.trimmed().isEmpty())
                days.append({month + 1, index + 1, text});
        }
    }
    return days;
}
