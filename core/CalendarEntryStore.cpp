#include "core/CalendarEntryStore.h"

#include "core/ProductInfo.h"

#include <QDir>
#include <QSettings>

namespace {

// A new object for every access: after a failed sync an object keeps reporting the
// failure, and a fresh one tells whether the file can be written now.
class EntryGroup
{
public:
    EntryGroup()
        : settings(QSettings::IniFormat, QSettings::UserScope, ProductInfo::settingsApplication)
    {
        settings.beginGroup(ProductInfo::productName);
    }

    QSettings settings;
};

QString describe(QSettings::Status status, const QString &fileName)
{
    const QString file = QDir::toNativeSeparators(fileName);
    switch (status) {
    case QSettings::AccessError:
        return QStringLiteral("the settings file %1 cannot be written").arg(file);
    case QSettings::FormatError:
        return QStringLiteral("the settings file %1 is damaged").arg(file);
    case QSettings::NoError:
        break;
    }
    return QString();
}

} // namespace

QString CalendarEntryStore::read(const QString &key) const
{
    EntryGroup group;
    return group.settings.value(key, QString()).toString();
}

CalendarEntryStore::WriteResult CalendarEntryStore::write(const QString &key, const QString &text)
{
    EntryGroup group;
    group.settings.setValue(key, text);
    group.settings.sync();
    const QSettings::Status status = group.settings.status();
    const WriteResult result{status == QSettings::NoError, describe(status, group.settings.fileName())};
    if (m_writeObserver)
        m_writeObserver(key, text, result.saved);
    return result;
}

QString CalendarEntryStore::fileName()
{
    return EntryGroup().settings.fileName();
}
