#pragma once

#include "core/shell/TempFolder.h"
#include "tests/support/ChildProcesses.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QList>
#include <QMap>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <chrono>

// The offices this test process has started, as the system shows them: an engine starts
// and ends its offices in the background, and a test or benchmark waits for that by
// looking at the processes and their folders, not by asking the engine.
namespace OfficeProcesses {

inline QList<pid_t> officeChildren()
{
    return childProcesses("soffice.bin");
}

// The private office folders ("daybloom-office-…") in the temporary folder.
inline QStringList officeFolders()
{
    return QDir(TempFolder::path()).entryList({QStringLiteral("daybloom-office-*")}, QDir::AllEntries | QDir::Hidden);
}

// Office folders whose office no longer runs: what an ended instance left behind, or
// what an instance still ending has not removed yet. An office names its folder in its
// command line (its profile lies there).
inline QStringList officeFoldersWithoutOffice()
{
    QStringList commandLines;
    for (pid_t pid : officeChildren()) {
        QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (commandLine.open(QIODevice::ReadOnly))
            commandLines.append(QString::fromUtf8(commandLine.readAll()));
    }
    QStringList left;
    for (const QString &folder : officeFolders()) {
        const bool inUse = std::any_of(commandLines.cbegin(), commandLines.cend(),
                                       [&](const QString &line) { return line.contains(folder); });
        if (!inUse)
            left.append(folder);
    }
    return left;
}

// The processor time (clock ticks, user and system) a process has used; -1 once it is gone.
inline long long processorTicks(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // After "pid (name) ": state is field 0, utime field 11, stime field 12.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields.at(11).toLongLong() + fields.at(12).toLongLong() : -1;
}

// Waits, with events flowing, until this process runs exactly `count` offices (any number
// for -1), none of which has used the processor for a quarter of a second (those started
// in the background have started and done their warm-up), and every office that ended
// meanwhile has finished ending (its folder is gone, its profile kept). False when that is
// not so within the limit.
inline bool waitUntilQuiet(int count, std::chrono::milliseconds limit = std::chrono::seconds(60))
{
    constexpr int quietRounds = 5; // of 50 ms
    const QDeadlineTimer deadline(limit);
    QMap<pid_t, long long> ticks;
    int quiet = 0;
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents();
        QMap<pid_t, long long> now;
        for (pid_t office : officeChildren())
            now.insert(office, processorTicks(office));
        const bool settled = (count < 0 || now.size() == count) && now == ticks && officeFoldersWithoutOffice().isEmpty();
        quiet = settled ? quiet + 1 : 0;
        if (quiet >= quietRounds)
            return true;
        ticks = now;
        QThread::msleep(50);
    }
    return false;
}

// Waits, with events flowing, until every office that ended has finished ending (its
// folder is gone), whatever the others do. False when that is not so within the limit.
inline bool waitUntilEndingsFinish(std::chrono::milliseconds limit = std::chrono::seconds(30))
{
    const QDeadlineTimer deadline(limit);
    while (!officeFoldersWithoutOffice().isEmpty()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
    return true;
}

} // namespace OfficeProcesses
