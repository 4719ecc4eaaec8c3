#pragma once

#include <QMap>
#include <QString>

class CalendarEntryStore;

// Writes each change of a day box to the store at once. When the settings file refuses a
// write, the box keeps its text and the entry is kept as unsaved; the user is told once,
// not at every keystroke while the fault lasts. Every later change tries again, and
// saves the unsaved entries too as soon as the file can be written. Once everything is
// saved, a new failure is reported again.
class EntryWriter
{
public:
    explicit EntryWriter(CalendarEntryStore &store);

    // dayName names the day in the message ("April 13").
    void write(const QString &key, const QString &text, const QString &dayName);

    static QString failureMessage(const QString &dayName, const QString &problem);

private:
    bool saveUnsaved();

    CalendarEntryStore &m_store;
    QMap<QString, QString> m_unsaved; // key → the box's latest text
    bool m_userWarned = false;
};
