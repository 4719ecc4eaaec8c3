#pragma once

#include "core/import/ExportedDays.h"

#include <QByteArray>

// Writes the days as an iCalendar file that phones and calendar programs read: one all-day
// event per day, coming back every year, its summary the entry. February 29 comes back on
// the last day of February, so that it shows in common years too. Each event's UID is made
// of its day and the calendar, and its stamps and sequence of the calendar's revision, so
// that a program reading a newer file updates its events instead of adding more.
namespace ICalendarWriter {

// The PRODID of the files written here: a reader that meets it knows that each summary is
// an entry exactly as the calendar held it.
inline constexpr char productId[] = "-//Daybloom//Day entries 1.0//EN";

QByteArray write(const ExportedDays &days);

} // namespace ICalendarWriter
