#pragma once

#include "core/import/ImportedDates.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <stop_token>

class DayEntries;

// What importing dates would change in the calendar, worked out before anything is
// written so that the person can confirm it. An imported date goes to its day as
// "Name Birthday", "Name Anniversary", the event's title or the exported entry, with the
// year it began where the file gives one ("Name Birthday (1985)", EntryYears). A day that
// already holds text keeps it, and each part of the new text is appended after "; " unless
// it is already there, with or without its year; a part the day holds without the year
// takes it: importing the same file twice changes nothing, nor does one with years after
// one without. A text from another
// program's file that would make a day's text longer than longestDayText characters is
// left out, and listed; an entry of this program's own export goes back whatever its
// length, as it was in the calendar it came from. No text keeps a control character
// (PlainText::isControl); the summary says where one was left out.
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
    // Lines a list of the summary shows; it says how many more there are.
    static constexpr qsizetype shownLines = 20;

    // Throws ImportCancelled once `stop` is requested.
    static ImportPlan make(const DayEntries &entries, const ImportedDates &imported, const std::stop_token &stop = {});

    const QList<Change> &changes() const { return m_changes; }
    bool isEmpty() const { return m_changes.isEmpty(); }
    // Days that held text before and get new entries.
    int daysWithText() const;

    // "12 entries on 11 days, 3 of which already hold text, …", how many entries took
    // their year, then what was left out,
    // what was skipped and the files that were not read (one line each, with the reason,
    // names and entries quoted by their first characters only): the same for the
    // confirmation and the command line.
    QString summary(const QStringList &notRead = {}) const;

    // Writes the changes into the entries, as if typed.
    void apply(DayEntries &entries) const;

private:
    // The first lines of a list, as many as the summary shows, and how many it has in all.
    struct Listed {
        QStringList first;
        qsizetype count = 0;

        // Adds a line; `line` makes it only when it is shown.
        template <typename MakeLine>
        void add(MakeLine line)
        {
            if (count++ < shownLines)
                first.append(line());
        }
    };

    static QString listed(const QString &heading, const Listed &lines);

    QList<Change> m_changes;
    int m_newTexts = 0;         // imported texts that add to their day
    int m_daysWithNewTexts = 0; // days they add to
    int m_daysWithText = 0;     // of those, days that held text before
    int m_yearsGiven = 0;       // parts of the days that took their year
    int m_withoutControls = 0; // new texts that control characters were left out of
    qsizetype m_found = 0;     // dates the files gave
    Listed m_skipped;
    Listed m_leftOut;
};
