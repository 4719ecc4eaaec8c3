#pragma once

#include "tests/support/ScriptedMessages.h"

#include <QList>
#include <QRegularExpression>
#include <QString>

// The error reports shown since the last call, as "Procedure:label" ("SaveDocAsJPG:148"),
// in the order the user saw them. Boxes that are not error reports show as their text.
inline QStringList takeReportedErrors()
{
    static const QRegularExpression location(
        QStringLiteral("\r\nin Tessaly2021/08/31\\.Form1\\.(\\w+) at line (\\d+)\r\rPlease email"));
    QStringList reports;
    for (const ScriptedMessages::Record &record : ScriptedMessages::takeRecords()) {
        const QRegularExpressionMatch match = location.match(record.text);
        if (record.title == QStringLiteral("Application Error") && match.hasMatch())
            reports.append(match.captured(1) + QLatin1Char(':') + match.captured(2));
        else
            reports.append(record.text);
    }
    return reports;
}
