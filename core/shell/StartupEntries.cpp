#include "core/shell/StartupEntries.h"

#include "core/shell/CalendarEntryStore.h"
#include "core/shell/DamagedSettingsRescue.h"
#include "core/shell/EntryWriter.h"
#include "core/shell/UserMessages.h"

#include <QCoreApplication>

StartupEntries::StartupEntries(const CalendarEntryStore &store, EntryWriter &writer)
    : m_store(store)
    , m_writer(writer)
{
}

QString StartupEntries::unwritableMessage(const QString &problem)
{
    return QCoreApplication::translate("StartupEntries", "Changes to the calendar cannot be saved: %1.").arg(problem)
        + QStringLiteral("\r\n\r\n")
        + QCoreApplication::translate("StartupEntries", "The stored entries are shown. Every change stays in its box "
                                                        "and is saved as soon as the settings file can be written.");
}

void StartupEntries::checkSettingsFile(const QDateTime &now)
{
    if (!m_store.readsCleanly()) {
        const DamagedSettingsRescue::Outcome rescue =
            DamagedSettingsRescue::rescue(CalendarEntryStore::fileName(), now);
        m_entries = rescue.entries;
        if (!rescue.saved)
            m_writer.keepUnsaved(rescue.entries, m_store.writeProblem());
        UserMessages::information(rescue.message);
        return;
    }
    m_entries = m_store.readAll();
    const QString problem = m_store.writeProblem();
    if (!problem.isEmpty())
        UserMessages::information(unwritableMessage(problem));
}

QString StartupEntries::text(const QString &key) const
{
    return m_entries.value(key);
}
