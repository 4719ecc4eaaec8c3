#include "core/CalendarColumns.h"

#include "core/CalendarMonths.h"
#include "core/DayEntries.h"

QString CalendarColumns::cellText(QString entry)
{
    for (QChar &c : entry) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return entry;
}

QStringList CalendarColumns::monthTexts(const DayEntries &entries, int month)
{
    QStringList texts;
    for (int index = 0; index < CalendarMonths::month(month).days; ++index)
        texts.append(cellText(entries.entryText(month, index)));
    return texts;
}
