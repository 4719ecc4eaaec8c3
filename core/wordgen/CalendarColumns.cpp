#include "core/wordgen/CalendarColumns.h"

#include "core/shell/CalendarMonths.h"
#include "core/entry/DayEntries.h"

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
