#include "core/wordgen/CalendarColumns.h"

#include "core/shell/CalendarMonths.h"
#include "core/shell/MonthNames.h"
#include "core/entry/DayEntries.h"
#include "core/wordgen/WordApplication.h"
#include "core/wordgen/YearEdition.h"

#include <algorithm>

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

bool CalendarColumns::MonthCells::hasStyledEntries() const
{
    return std::any_of(entries.cbegin(), entries.cend(), hasStyledRun);
}

QStringList CalendarColumns::MonthCells::entryTexts() const
{
    return plainTexts(entries);
}

CalendarColumns::MonthCells CalendarColumns::monthCells(const DayEntries &entries, int month, const YearEdition *edition)
{
    MonthCells cells;
    const int days = CalendarMonths::month(month).days;
    if (!edition) {
        cells.heading = MonthNames::documentHeading(month);
        for (const QString &text : monthTexts(entries, month))
            cells.entries.append(text.isEmpty() ? TextRuns() : TextRuns{{text, QString()}});
        return cells;
    }
    cells.heading = edition->heading(month);
    for (int index = 0; index < days; ++index) {
        cells.dayNumbers.append(edition->dayCell(month, index));
        cells.dayNumberStyles.append(edition->isWeekend(month, index) ? YearEdition::weekendStyle : QString());
        cells.entries.append(edition->entryCell(entries, month, index));
    }
    return cells;
}

void CalendarColumns::fillMonth(WordApplication &word, const MonthCells &cells, int month)
{
    const int table = month + 1;
    if (!cells.heading.isEmpty())
        word.fillColumn(table, headingRow, headingCell, {cells.heading});
    if (!cells.dayNumbers.isEmpty())
        word.fillColumn(table, firstDayRow, dayNumberCell, cells.dayNumbers);
    if (std::any_of(cells.dayNumberStyles.cbegin(), cells.dayNumberStyles.cend(), [](const QString &style) { return !style.isEmpty(); }))
        word.setColumnParagraphStyles(table, firstDayRow, dayNumberCell, cells.dayNumberStyles);
    // Plain texts go in by the one call that keeps the cells' formatting; only a column with
    // a styled run needs the runs.
    if (cells.hasStyledEntries())
        word.fillColumnRuns(table, firstDayRow, entryCell, cells.entries);
    else
        word.fillColumn(table, firstDayRow, entryCell, cells.entryTexts());
}
