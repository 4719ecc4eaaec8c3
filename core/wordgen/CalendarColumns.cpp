#include "core/wordgen/CalendarColumns.h"

#include "core/shell/CalendarMonths.h"
#include "core/shell/MonthNames.h"
#include "core/entry/DayEntries.h"
#include "core/wordgen/WordApplication.h"

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

void CalendarColumns::fillMonth(WordApplication &word, const DayEntries &entries, int month)
{
    if (const QString heading = MonthNames::documentHeading(month); !heading.isEmpty())
        word.fillColumn(month + 1, headingRow, headingCell, {heading});
    word.fillColumn(month + 1, firstDayRow, entryCell, monthTexts(entries, month));
}
