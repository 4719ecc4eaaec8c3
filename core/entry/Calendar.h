#pragma once

#include "core/entry/DayEntries.h"
#include "core/shell/CalendarEntryStore.h"
#include "core/shell/EntryWriter.h"

#include <QObject>

// The calendar as data: the 366 day entries the person keeps, each change stored at once
// in the settings file. The entry panel shows it and writes to it; a build, the exports,
// the imports, undo and the command line read and change the entries here, never in the
// panel's boxes.
//
// How the calendar is made (its design, its year, its cover's title) is kept beside the
// entries in the same settings file, read and written through CalendarOptions; the
// family's pictures through PictureLibrary.
class Calendar : public QObject, public DayEntries
{
    Q_OBJECT

public:
    explicit Calendar(QObject *parent = nullptr);

    // Takes every entry as the settings file holds it, writing nothing back: for work
    // without a window (the window's start-up restores each day itself).
    void loadStored();

    // The day's entry, whole.
    QString entryText(int month, int index) const override;
    // A new entry for the day, stored at once. When the settings file refuses it, the
    // entry is kept as unsaved and the person is told once (EntryWriter). The same text
    // again changes nothing.
    void setEntryText(int month, int index, const QString &text) override;
    // The day's entry as the settings file holds it: taken, not written again.
    void restoreEntryText(int month, int index, const QString &text);

    // The settings file the entries are kept in, and the writer that keeps what it
    // refused, for start-up and for the question before the program ends.
    CalendarEntryStore &store() { return m_store; }
    EntryWriter &writer() { return m_writer; }

signals:
    // The day's entry is now text (changed, restored or loaded).
    void entryChanged(int month, int index, const QString &text);

private:
    CalendarEntryStore m_store;
    EntryWriter m_writer; // holds every day's current entry
};
