#pragma once

#include "core/wordgen/TextRun.h"

#include <QLocale>
#include <QString>

class DayEntries;

// What a calendar for one year prints where the perpetual calendar prints its own texts:
// the year beside each month's name, the weekday beside each day's number, the counted
// years of the entries ("Mom Birthday (71)") with their milestones named and set off, and
// February 29 of a common year on February 28. The perpetual calendar prints none of it.
class YearEdition
{
public:
    // The character style a milestone's words are set in; every design's template has it.
    static inline const QString milestoneStyle = QStringLiteral("Milestone");
    // The paragraph style of a weekend day's number.
    static inline const QString weekendStyle = QStringLiteral("Weekend Day Number");

    // The locale gives the month and weekday names and the weekend: the program's language.
    explicit YearEdition(int year, const QLocale &locale = QLocale());

    int year() const { return m_year; }
    // "January 2027" (month 0 is January).
    QString heading(int month) const;
    // "15 Fri"; empty for February 29 of a common year, which has no day.
    QString dayCell(int month, int index) const;
    // A day off in the locale: Saturday and Sunday in the six languages' countries.
    bool isWeekend(int month, int index) const;
    // The day's entry as printed: each part's year counted, a milestone's words in
    // milestoneStyle; on February 28 of a common year February 29's entry follows, marked.
    // February 29 of a common year is empty.
    TextRuns entryCell(const DayEntries &entries, int month, int index) const;
    // The entry's parts as this year prints them.
    TextRuns printed(const QString &entry) const;

private:
    bool isLeapDayMissing(int month, int index) const;

    int m_year;
    QLocale m_locale;
};
