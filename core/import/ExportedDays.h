#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

class DayEntries;

// One day of the calendar that holds text, as it goes out to a file.
struct ExportedDay {
    int month = 0; // 1 (January) … 12
    int day = 0;   // 1 … 31; February 29 is a day like any other
    QString text;  // the entry as stored, without control characters (PlainText::isControl)
};

// The days of a calendar that hold text, in calendar order, and what tells this calendar
// and its state apart from others: a calendar program that reads the file again knows its
// events by `calendarId` and takes the newer `revised` over what it holds.
struct ExportedDays {
    QList<ExportedDay> days;
    QString calendarId; // letters and digits only
    QDateTime revised;  // when the entries last changed, in UTC

    // Every day whose entry is more than blanks and control characters.
    static QList<ExportedDay> of(const DayEntries &entries);
};
