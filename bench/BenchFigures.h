#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>

#include <unistd.h>

// The figures every benchmark prints: medians of timings, and what /proc tells about a
// process (its memory, its CPU time, its office children). A process is named by its pid
// or by "self".

inline double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values.at(values.size() / 2);
}

// Resident memory of a process in megabytes: the peak (VmHWM) and now (VmRSS); 0 when unknown.
struct ProcessMemory {
    double peak = 0;
    double now = 0;
};

inline ProcessMemory memoryOf(const QString &pid)
{
    ProcessMemory memory;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return memory;
    for (const QByteArray &line : status.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 2 && fields[0] == "VmHWM:")
            memory.peak = fields[1].toDouble() / 1024.0;
        else if (fields.size() >= 2 && fields[0] == "VmRSS:")
            memory.now = fields[1].toDouble() / 1024.0;
    }
    return memory;
}

// The fields of /proc/<pid>/stat after the command's name: state is [0], the parent [1],
// user and system time [11] and [12], the start time [19]. Empty when unknown.
inline QList<QByteArray> statFieldsOf(const QString &pid, QByteArray *command = nullptr)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray line = stat.readAll();
    const qsizetype open = line.indexOf('(');
    const qsizetype close = line.lastIndexOf(')');
    if (open < 0 || close < open)
        return {};
    if (command)
        *command = line.mid(open + 1, close - open - 1);
    return line.mid(close + 2).split(' ');
}

inline double clockTicksToMs(const QByteArray &ticks)
{
    return ticks.toDouble() * 1000.0 / double(::sysconf(_SC_CLK_TCK));
}

// CPU time (user and system) a process has used, in milliseconds.
inline double cpuOf(const QString &pid)
{
    const QList<QByteArray> fields = statFieldsOf(pid);
    return clockTicksToMs(fields.value(11)) + clockTicksToMs(fields.value(12));
}

// Milliseconds since this process was started by the system.
inline double sinceProcessStart()
{
    QFile uptime(QStringLiteral("/proc/uptime"));
    const QList<QByteArray> fields = statFieldsOf(QStringLiteral("self"));
    if (fields.isEmpty() || !uptime.open(QIODevice::ReadOnly))
        return -1;
    return uptime.readAll().split(' ').value(0).toDouble() * 1000.0 - clockTicksToMs(fields.value(19));
}

// The office processes (soffice.bin) this program started.
inline QStringList officeProcesses()
{
    QStringList offices;
    const QByteArray self = QByteArray::number(QCoreApplication::applicationPid());
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QByteArray command;
        const QList<QByteArray> fields = statFieldsOf(entry, &command);
        if (command == "soffice.bin" && fields.value(1) == self)
            offices.append(entry);
    }
    return offices;
}
