#pragma once

#include <QDateTime>
#include <QMap>
#include <QString>

// Rescues a settings file that QSettings cannot read cleanly before its next write
// rewrites it from what QSettings could read and loses the rest: the file is copied aside
// as it is, its day entries are recovered line by line (LenientIniReader), and a clean
// settings file holding them takes its place. A file that cannot be copied aside is left
// as it is.
class DamagedSettingsRescue
{
public:
    struct Outcome {
        QMap<QString, QString> entries; // the recovered day entries, by key
        bool saved = false;             // a clean settings file holds them
        QString message;                // what the user is told
    };

    static Outcome rescue(const QString &fileName, const QDateTime &now);

    // Where the damaged file is kept: "Quillmoor.ini.damaged-2024-05-01-142233".
    static QString asidePath(const QString &fileName, const QDateTime &now);
};
