#pragma once

#include <QString>
#include <QStringList>

class DayEntries;
class WordApplication;

// The calendar document's day cells: each month is a table whose row 1 is its heading (one cell across) and
// whose day d sits in row d + 1, the entry in the second cell.
namespace CalendarColumns {

inline constexpr int headingRow = 1;
inline constexpr int headingCell = 1;
inline constexpr int firstDayRow = 2;
inline constexpr int entryCell = 2;

// The entry as it goes into its cell: a control character (a tab, a line break pasted in,
// \x01) would make the office drop the whole text, so each becomes a space.
QString cellText(QString entry);

// The cell texts of the month's days (month 0 is January), read from the entries now.
QStringList monthTexts(const DayEntries &entries, int month);

// Fills the month's table of the open document: its heading in the program's language
// (left as the template has it in English) and its day column, a call each.
void fillMonth(WordApplication &word, const DayEntries &entries, int month);

} // namespace CalendarColumns
