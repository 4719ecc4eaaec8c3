#pragma once

#include "core/wordgen/TextRun.h"

#include <QString>
#include <QStringList>

class DayEntries;
class WordApplication;
class YearEdition;

// The calendar document's day cells: each month is a table whose row 1 is its heading (one cell across) and
// whose day d sits in row d + 1, the entry in the second cell.
namespace CalendarColumns {

inline constexpr int headingRow = 1;
inline constexpr int headingCell = 1;
inline constexpr int firstDayRow = 2;
inline constexpr int dayNumberCell = 1;
inline constexpr int entryCell = 2;

// What a build writes into one month's table.
struct MonthCells {
    // Empty: the template's own heading stays (the perpetual calendar in English).
    QString heading;
    // Cell 1 of each day ("15 Fri"); empty: the template's own day numbers stay.
    QStringList dayNumbers;
    // The paragraph style of each day's number; an empty name keeps the template's.
    QStringList dayNumberStyles;
    // The entry of each day, in runs of their character styles.
    QList<TextRuns> entries;

    // True when some entry has a run in a style of its own.
    bool hasStyledEntries() const;
    // The entries' texts, without their styles.
    QStringList entryTexts() const;
};

// The entry as it goes into its cell: a control character (a tab, a line break pasted in,
// \x01) would make the office drop the whole text, so each becomes a space.
QString cellText(QString entry);

// The cell texts of the month's days (month 0 is January), read from the entries now.
QStringList monthTexts(const DayEntries &entries, int month);

// What the month's table gets (month 0 is January): in the perpetual calendar (no
// edition) the heading in the program's language and the entries as typed; in a calendar
// for one year also the year, the weekdays, the weekend and the counted years.
MonthCells monthCells(const DayEntries &entries, int month, const YearEdition *edition);

// Fills the month's table of the open document with its cells: the heading, the day
// numbers and their styles, and the entries, a call each for what there is to change.
void fillMonth(WordApplication &word, const MonthCells &cells, int month);

} // namespace CalendarColumns
