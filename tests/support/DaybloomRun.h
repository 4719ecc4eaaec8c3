#pragma once

#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// The program run from the command line, as a script runs it, with its settings and
// temporary folders in a home of the test's.
struct DaybloomRun {
    int exitCode = -1;
    QString out;
    QStringList errorLines;

    // home holds "config" (XDG_CONFIG_HOME) and "temp" (TEMP); changes: environment
    // variables set for this run (a null value: removed).
    static DaybloomRun of(const QString &home, const QStringList &arguments, const QMap<QString, QString> &changes = {})
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        environment.insert(QStringLiteral("TEMP"), home + QStringLiteral("/temp"));
        for (auto change = changes.cbegin(); change != changes.cend(); ++change) {
            if (change.value().isNull())
                environment.remove(change.key());
            else
                environment.insert(change.key(), change.value());
        }
        // No display: the command line needs none.
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(DAYBLOOM_PROGRAM), arguments);
        if (!program.waitForFinished(120000))
            return {};
        return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)};
    }
};
