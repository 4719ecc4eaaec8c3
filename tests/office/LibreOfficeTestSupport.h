#pragma once

#include "core/shell/ProcessState.h"
#include "tests/support/OfficeProcesses.h"
#include "core/shell/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <sys/types.h>
#include <unistd.h>

// Helpers for the tests that run a real office: which office processes this test process
// has started, and whether anything of an office is left in the temporary folder.
namespace LibreOfficeTestSupport {

using OfficeProcesses::officeChildren;
using OfficeProcesses::officeFolders;
using OfficeProcesses::officeFoldersWithoutOffice;

// True while a process of that id exists (a zombie counts: it has not been waited for).
inline bool processExists(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

// True while the process runs: it exists and has not ended (a zombie has).
inline bool processRuns(pid_t pid)
{
    return ProcessState::runs(pid);
}

// Pipe sockets of this process's offices left in the system's temporary folders.
inline QStringList officePipes()
{
    const QString pattern = QStringLiteral("OSL_PIPE_%1_daybloom-%2-*").arg(::getuid()).arg(::getpid());
    QStringList pipes;
    for (const QString &folder : {QStringLiteral("/tmp"), QStringLiteral("/var/tmp")})
        pipes += QDir(folder).entryList({pattern}, QDir::System | QDir::Hidden | QDir::AllEntries);
    return pipes;
}

// The paths of the named sockets a process listens on, read from the kernel's tables.
inline QStringList socketPaths(pid_t pid)
{
    QStringList inodes;
    const QDir descriptors(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString &descriptor : descriptors.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        const QString target = QFile::symLinkTarget(descriptors.filePath(descriptor));
        const qsizetype at = target.indexOf(QStringLiteral("socket:["));
        if (at >= 0)
            inodes.append(target.mid(at + 8).chopped(1));
    }
    QStringList paths;
    QFile table(QStringLiteral("/proc/net/unix"));
    if (!table.open(QIODevice::ReadOnly))
        return paths;
    for (const QByteArray &line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 8 && inodes.contains(QString::fromLatin1(fields.at(6))))
            paths.append(QFile::decodeName(fields.at(7)));
    }
    return paths;
}

// The embedded calendar template, written to a file of its own in the temporary folder.
inline QString writeTemplate(const QString &name = QStringLiteral("template.dot"))
{
    const QString path = TempFolder::path() + QLatin1Char('/') + name;
    QFile::remove(path);
    if (!QFile::copy(QStringLiteral(":/template/calendar.dot"), path))
        return QString();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

} // namespace LibreOfficeTestSupport
