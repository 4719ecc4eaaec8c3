#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <initializer_list>

// Points the program's settings and temporary folders into a private folder, so a
// benchmark never touches the user's entries, and makes the extra folders it asks for.
// Call before the QApplication exists. Returns false when no private folder can be made.
inline bool useBenchSandbox(const QTemporaryDir &sandbox, std::initializer_list<const char *> extraFolders)
{
    if (!sandbox.isValid())
        return false;
    for (const char *name : {"config", "temp", "data"})
        QDir(sandbox.path()).mkpath(QString::fromLatin1(name));
    for (const char *name : extraFolders)
        QDir(sandbox.path()).mkpath(QString::fromLatin1(name));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(sandbox.filePath(QStringLiteral("config"))));
    qputenv("TEMP", QFile::encodeName(sandbox.filePath(QStringLiteral("temp"))));
    // The family's pictures a benchmark chooses are kept there, not among the user's.
    qputenv("XDG_DATA_HOME", QFile::encodeName(sandbox.filePath(QStringLiteral("data"))));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}
