#include "core/import/ExportedDays.h"

#include "core/entry/DayEntries.h"
#include "core/shell/CalendarMonths.h"
#include "core/shell/PlainText.h"

QList<ExportedDay> ExportedDays::of(const DayEntries &entries)
{
    QList<ExportedDay> days;
    for (int month = 0; month < CalendarMonths::count; ++month) {
        for (int index = 0; index < CalendarMonths::month(month).days; ++index) {
            // No calendar file may carry control characters, nor should a spreadsheet get them.
            const QString text = PlainText::withoutControls(entries.entryText(month, index));
            if (!text.trimmed().isEmpty())
                days.append({month + 1, index + 1, text});
        }
    }
    return days;
}
