#include "core/shell/SettingsBackup.h"

#include "core/shell/CalendarEntryStore.h"
#include "core/shell/FileReplacement.h"

#include <QFile>

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
    try {
        FileReplacement::replace(fileName(), FileReplacement::Kind::Programs, settings.readAll());
    } catch (const FileReplacement::Failure &failure) {
        return failure.reason();
    }
    return QString();
}
