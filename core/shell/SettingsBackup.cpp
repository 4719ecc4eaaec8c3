#include "core/shell/SettingsBackup.h"

#include "core/shell/CalendarEntryStore.h"

#include <QFile>
#include <QSaveFile>

QString SettingsBackup::fileName()
{
    return CalendarEntryStore::fileName() + QStringLiteral(".bak");
}

QString SettingsBackup::keep()
{
    QFile settings(CalendarEntryStore::fileName());
    if (!settings.exists())
        return QString();
    if (!settings.open(QIODevice::ReadOnly))
        return settings.errorString();
    const QByteArray content = settings.readAll();
    QSaveFile backup(fileName());
    if (!backup.open(QIODevice::WriteOnly) || backup.write(content) != content.size() || !backup.commit())
        return backup.errorString();
    return QString();
}
