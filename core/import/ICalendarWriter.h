#pragma once

#include "core/import/ExportedDays.h"

#include <QByteArray>

// Writes the days as an iCalendar file that phones and calendar programs read: all-day
// events coming back every year, their summaries the entry's pieces (EntryPieces). A piece
// with a year ("Mom Birthday (1956)") is an event of its own starting in that year, so
// that a phone counts the years; the other parts of the day are one event starting in
// 2000. February 29 comes back on the last day of February, so that it shows in common
// years too. Each event's UID is made of its day, its place among the day's events and
// the calendar, and its stamps and sequence of the calendar's revision, so that a program
// reading a newer file updates its events instead of adding more.
//
// A summary cannot carry every entry exactly: iCalendar text has no carriage return, and
// readers drop blanks at either end. An entry that holds one, or begins or ends with a
// blank, also goes out in a property of this program's own (exactEntryProperty), which
// calendar programs keep and ignore and this program's import takes back.
namespace ICalendarWriter {

// The PRODID of the files written here: a reader that meets it knows that each summary is
// an entry exactly as the calendar held it.
inline constexpr char productId[] = "-//Daybloom//Day entries 1.0//EN";
// The entry exactly, its bytes that readers would change written as %XX.
inline constexpr char exactEntryProperty[] = "X-DAYBLOOM-ENTRY";

QByteArray write(const ExportedDays &days);

} // namespace ICalendarWriter
