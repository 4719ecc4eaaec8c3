#include "core/shell/EntryWriter.h"

#include <QCoreApplication>

#include "core/shell/CalendarEntryStore.h"
#include "core/shell/CalendarMonths.h"
#include "core/shell/UserMessages.h"

EntryWriter::EntryWriter(CalendarEntryStore &store)
    : m_store(store)
{
}

QString EntryWriter::failureMessage(const QString &dayName, const QString &problem)
{
    return QCoreApplication::translate("EntryWriter", "The entry for %1 could not be saved: %2.").arg(dayName, problem)
        + QStringLiteral("\r\n\r\n")
        + QCoreApplication::translate("EntryWriter", "The text stays in its box. Every further change tries again, and "
                                                     "the unsaved entries are saved as soon as the settings file can be "
                                                     "written.");
}

void EntryWriter::write(const QString &key, const QString &text, const QString &dayName)
{
    m_current.insert(key, text);
    const CalendarEntryStore::WriteResult result = m_store.write(key, text);
    if (!result.saved) {
        m_unsaved.insert(key, text);
        m_problem = result.problem;
        if (!m_userWarned) {
            m_userWarned = true;
            UserMessages::information(failureMessage(dayName, result.problem));
        }
        return;
    }
    m_unsaved.remove(key);
    saveUnsaved();
}

void EntryWriter::restored(const QString &key, const QString &text)
{
    m_current.insert(key, text);
}

void EntryWriter::keepUnsaved(const QMap<QString, QString> &entries, const QString &problem)
{
    m_unsaved.insert(entries);
    m_problem = problem;
}

bool EntryWriter::saveUnsaved()
{
    while (!m_unsaved.isEmpty()) {
        const auto first = m_unsaved.constBegin();
        const CalendarEntryStore::WriteResult result = m_store.write(first.key(), first.value());
        if (!result.saved) {
            m_problem = result.problem;
            return false;
        }
        m_unsaved.erase(first);
    }
    m_userWarned = false;
    return true;
}

QMap<QString, QString> EntryWriter::currentEntries() const
{
    QMap<QString, QString> entries;
    for (const QString &key : CalendarMonths::entryNames())
        entries.insert(key, m_current.value(key));
    return entries;
}
