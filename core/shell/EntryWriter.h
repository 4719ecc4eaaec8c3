#pragma once

#include <QMap>
#include <QString>

class CalendarEntryStore;

// Writes each change of a day's entry (Calendar: a box's, an import's, undo's) to the store
// at once. A write the settings file refuses keeps the entry as unsaved; the user is told once,
// not at every keystroke while the fault lasts. Every later change tries again, and
// saves the unsaved entries too as soon as the file can be written. Once everything is
// saved, a new failure is reported again.
//
// It also knows every day's current entry: what start-up read from the store and every
// change since. That is the whole stored text even where a box shows a long entry cut.
class EntryWriter
{
public:
    explicit EntryWriter(CalendarEntryStore &store);

    // dayName names the day in the message ("April 13").
    void write(const QString &key, const QString &text, const QString &dayName);
    // The day's text as start-up read it from the store: its current entry, not written.
    void restored(const QString &key, const QString &text);
    // Entries that are shown but are not in the settings file, for the reason given: they
    // are kept as unsaved, as if their writes had been refused.
    void keepUnsaved(const QMap<QString, QString> &entries, const QString &problem);

    // Tries to store every unsaved entry now; true when none is left.
    bool saveUnsaved();
    int unsavedCount() const { return static_cast<int>(m_unsaved.size()); }
    // Why the settings file refused the last write.
    QString problem() const { return m_problem; }
    // The day's current entry, whole (the empty text for a day never read or changed).
    QString current(const QString &key) const { return m_current.value(key); }
    // All 366 days' keys with their current entries (the empty text for a day never read
    // or changed).
    QMap<QString, QString> currentEntries() const;

    static QString failureMessage(const QString &dayName, const QString &problem);

private:
    CalendarEntryStore &m_store;
    QMap<QString, QString> m_current; // key → the day's current entry
    QMap<QString, QString> m_unsaved; // key → the box's latest text
    QString m_problem;
    bool m_userWarned = false;
};
