#pragma once

#include <QDateTime>
#include <QMap>
#include <QString>

class CalendarEntryStore;
class EntryWriter;

// The entries start-up shows, and what the user must know about the settings file before
// the window opens. Reading changes no stored value. A file QSettings cannot read cleanly
// is rescued first (DamagedSettingsRescue) and its recovered entries are shown; a file
// that cannot be written is reported once, with the reason, rather than through a refused
// write of a day the user never typed.
class StartupEntries
{
public:
    StartupEntries(const CalendarEntryStore &store, EntryWriter &writer);

    // At most one message: the rescue of a damaged file, or a file that cannot be written.
    void checkSettingsFile(const QDateTime &now = QDateTime::currentDateTime());
    // The text start-up shows for the key, once checkSettingsFile() has read the file.
    QString text(const QString &key) const;

    static QString unwritableMessage(const QString &problem);

private:
    const CalendarEntryStore &m_store;
    EntryWriter &m_writer;
    // The file's entries, read once, or those recovered from a damaged file.
    QMap<QString, QString> m_entries;
};
