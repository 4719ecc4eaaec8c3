#pragma once

#include "core/import/ImportedDates.h"

#include <QList>
#include <QString>
#include <QStringList>

class DayEntries;

// What importing dates would change in the calendar, worked out before anything is
// written so that the person can confirm it. An imported date goes to its day as
// "Name Birthday", "Name Anniversary", the event's title or the exported entry. A day that
// already holds text keeps it, and the new text is appended after "; " unless it is
// already there: importing the same file twice changes nothing. A text that would make a
// day's text longer than longestDayText characters is left out, and listed.
class ImportPlan
{
public:
    struct Change {
        int month; // 0 (January) … 11
        int index; // day of the month - 1
        QString before;
        QString after;
    };

    // No one reads more than this in one day of a printed calendar.
    static constexpr qsizetype longestDayText = 4000;

    static ImportPlan make(const DayEntries &entries, const ImportedDates &imported);

    const QList<Change> &changes() const { return m_changes; }
    bool isEmpty() const { return m_changes.isEmpty(); }
    // Days that held text before and get more.
    int daysWithText() const;

    // "12 entries on 11 days, 3 of which already hold text, …", then what was left out,
    // what was skipped and the files that were not read (one line each, with the reason):
    // the same for the confirmation and the command line.
    QString summary(const QStringList &notRead = {}) const;

    // Writes the changes into the entries, as if typed.
    void apply(DayEntries &entries) const;

    // The text an imported date goes in as, as the person would have typed it: control
    // characters and line breaks as spaces, no blanks around it. An exported entry goes
    // in exactly as it was.
    static QString entryText(const ImportedDate &date);

private:
    QList<Change> m_changes;
    int m_newTexts = 0;
    qsizetype m_found = 0; // dates the files gave
    QStringList m_skipped;
    QStringList m_leftOut;
};
