#pragma once

#include "core/import/ImportedDates.h"

#include <QByteArray>

#include <stop_token>

// Reads the events of an iCalendar file (.ics, as Google Calendar, Thunderbird, Evolution
// and Apple Calendar export it) into dates: every event that comes back on the same day
// each year, on the month and day its start is written with, whatever its time zone.
// Other events (those that happen once, or repeat otherwise), and events the file does
// not describe well enough, are left out with a line saying why. libical prints nothing.
// An event's start year is the year it began, unless it stands for "no year" (0, 1604, or
// the placeholder a contacts server's birthday calendar marks as such). The events of a
// calendar this program exported (known by its PRODID) are its entries, the events of one
// day joined again (EntryPieces), which go back exactly as they were.
//
// The file may hold several calendars, or bare events without one; a file cut off in the
// middle keeps the events it completed.
class ICalendarReader
{
public:
    // Throws ImportCancelled once `stop` is requested.
    static ImportedDates read(const QByteArray &content, const std::stop_token &stop = {});
};
