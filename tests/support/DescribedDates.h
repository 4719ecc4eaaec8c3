#pragma once

#include "core/import/ImportedDates.h"

#include <QStringList>

// One line per imported date, "birthday 04-13 1985 Anna Berg" ("event 08-01 Reunion" without
// a year, "entry 04-15 Mom (1956); Dad" for an entry of the program's own file), so that a
// failed comparison reads well.
inline QStringList described(const QList<ImportedDate> &dates)
{
    QStringList lines;
    for (const ImportedDate &date : dates) {
        const QString kind = date.kind == ImportedDate::Kind::Birthday      ? QStringLiteral("birthday")
                             : date.kind == ImportedDate::Kind::Anniversary ? QStringLiteral("anniversary")
                             : date.kind == ImportedDate::Kind::Entry       ? QStringLiteral("entry")
                                                                            : QStringLiteral("event");
        const QString year = date.year ? QStringLiteral(" %1").arg(*date.year) : QString();
        lines.append(QStringLiteral("%1 %2-%3%4 %5")
                         .arg(kind)
                         .arg(date.month, 2, 10, QLatin1Char('0'))
                         .arg(date.day, 2, 10, QLatin1Char('0'))
                         .arg(year, date.name));
    }
    return lines;
}
