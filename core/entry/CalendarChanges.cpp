#include "core/entry/CalendarChanges.h"

#include "core/entry/Calendar.h"
#include "core/shell/SettingsBackup.h"

#include <QCoreApplication>
#include <QDir>

CalendarChanges::CalendarChanges(Calendar &calendar, Warning warn)
    : m_calendar(calendar)
    , m_warn(std::move(warn))
{
}

bool CalendarChanges::run(const QString &what, const std::function<void()> &change)
{
    if (const QString problem = SettingsBackup::keep(); !problem.isEmpty())
        m_warn(QCoreApplication::translate("CalendarChanges", "the safety copy %1 could not be written: %2")
                   .arg(QDir::toNativeSeparators(SettingsBackup::fileName()), problem));
    return m_history.record(what, m_calendar, change);
}

QString CalendarChanges::undo()
{
    return m_history.undo(m_calendar);
}

QString CalendarChanges::redo()
{
    return m_history.redo(m_calendar);
}
