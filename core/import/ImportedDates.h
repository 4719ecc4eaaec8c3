#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One date a file brings in: a person's birthday or anniversary, or a yearly event.
struct ImportedDate {
    // Entry: a day's entry as this program exported it, which goes back exactly as it was.
    enum class Kind { Birthday, Anniversary, Event, Entry };

    int month = 0; // 1 (January) … 12
    int day = 0;   // 1 … 31, valid for the month; February 29 is a day like any other
    Kind kind = Kind::Event;
    // The person's name (birthdays, anniversaries), the event's title (events) or the
    // entry's text (entries).
    QString name;
    // The year the occasion began, where the file gives one and means it (a year standing
    // for "no year" is left out). Entries have none: their text holds their years.
    std::optional<int> year;
    // The file's text held control characters, which `name` leaves out.
    bool controlsDropped = false;
};

// What a reader made of a file: the dates it found, in file order, and for every record it
// left out one line saying which and why ("line 12: Anna Berg: no birthday or anniversary").
// A reader never stops at the first bad record.
struct ImportedDates {
    QList<ImportedDate> dates;
    QStringList skipped;
};
