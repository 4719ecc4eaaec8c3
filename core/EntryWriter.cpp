#include "core/EntryWriter.h"

#include "core/CalendarEntryStore.h"
#include "core/UserMessages.h"

EntryWriter::EntryWriter(CalendarEntryStore &store)
    : m_store(store)
{
}

QString EntryWriter::failureMessage(const QString &dayName, const QString &problem)
{
    return QStringLiteral("The entry for %1 could not be saved: %2.").arg(dayName, problem)
        + QStringLiteral("\r\n\r\nThe text stays in its box. Every further change tries again, and the "
                         "unsaved entries are saved as soon as the settings file can be written.");
}

void EntryWriter::write(const QString &key, const QString &text, const QString &dayName)
{
    const CalendarEntryStore::WriteResult result = m_store.write(key, text);
    if (!result.saved) {
        m_unsaved.insert(key, text);
        if (!m_userWarned) {
            m_userWarned = true;
            UserMessages::information(failureMessage(dayName, result.problem));
        }
        return;
    }
    m_unsaved.remove(key);
    if (saveUnsaved())
        m_userWarned = false;
}

bool EntryWriter::saveUnsaved()
{
    while (!m_unsaved.isEmpty()) {
        const auto first = m_unsaved.constBegin();
        if (!m_store.write(first.key(), first.value()).saved)
            return false;
        m_unsaved.erase(first);
    }
    return true;
}
