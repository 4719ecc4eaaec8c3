#include "core/shell/DamagedSettingsRescue.h"

#include "core/shell/CalendarEntryStore.h"
#include "core/shell/CalendarMonths.h"
#include "core/shell/LenientIniReader.h"
#include "core/shell/MonthNames.h"
#include "core/shell/ProductInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The days among the keys, in words and in calendar order: "January 1, March 3".
QString dayNames(const QStringList &keys)
{
    QStringList names;
    for (int month = 0; month < CalendarMonths::count; ++month) {
        for (int index = 0; index < CalendarMonths::month(month).days; ++index) {
            if (keys.contains(CalendarMonths::entryName(month, index)))
                names.append(MonthNames::dayName(month, index));
        }
    }
    return names.join(QStringLiteral(", "));
}

} // namespace

QString DamagedSettingsRescue::asidePath(const QString &fileName, const QDateTime &now)
{
    const QString stamped = fileName + QStringLiteral(".damaged-") + now.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString path = stamped;
    for (int n = 2; QFile::exists(path); ++n)
        path = stamped + QLatin1Char('-') + QString::number(n);
    return path;
}

DamagedSettingsRescue::Outcome DamagedSettingsRescue::rescue(const QString &fileName, const QDateTime &now)
{
    Outcome outcome;
    QFile damaged(fileName);
    const LenientIniReader::Section section = LenientIniReader::section(
        damaged.open(QIODevice::ReadOnly) ? damaged.readAll() : QByteArray(), ProductInfo::productName);
    damaged.close();
    for (const QString &key : CalendarMonths::entryNames()) {
        if (section.entries.contains(key))
            outcome.entries.insert(key, section.entries.value(key));
    }

    QString message = QCoreApplication::translate("DamagedSettingsRescue", "The settings file %1 could not be read cleanly.").arg(native(fileName));
    if (const QString repeated = dayNames(section.repeatedKeys); !repeated.isEmpty())
        message += QCoreApplication::translate("DamagedSettingsRescue", " Some days are written in it more than once (%1): the last text written for each is used.")
                       .arg(repeated);
    const QString aside = asidePath(fileName, now);
    if (!damaged.copy(aside)) {
        message += QCoreApplication::translate("DamagedSettingsRescue", " It could not be copied aside (%1), so it was left as it is.")
                       .arg(damaged.errorString());
    } else {
        message += QCoreApplication::translate("DamagedSettingsRescue", " A copy of it as it was is kept as %1.").arg(native(aside));
        const CalendarEntryStore::WriteResult clean = CalendarEntryStore::writeFile(fileName, outcome.entries, FileReplacement::Kind::Programs);
        outcome.saved = clean.saved;
        if (!clean.saved)
            message += QCoreApplication::translate("DamagedSettingsRescue", " A clean settings file could not be written (%1).").arg(clean.problem);
    }
    const auto recovered = std::count_if(outcome.entries.cbegin(), outcome.entries.cend(),
                                         [](const QString &text) { return !text.isEmpty(); });
    message += QStringLiteral("\r\n\r\n")
        + QCoreApplication::translate("DamagedSettingsRescue", "Entries recovered: %1. ").arg(recovered)
        + (outcome.saved ? QCoreApplication::translate("DamagedSettingsRescue", "They are shown and stored in a new, clean settings file.")
                         : QCoreApplication::translate("DamagedSettingsRescue", "They are shown but not saved yet."));
    outcome.message = message;
    return outcome;
}
