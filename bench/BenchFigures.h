#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>

#include <malloc.h>
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

// A field of a /proc file made of "Name: value" lines (status, smaps_rollup), as a number;
// 0 when the file or the field is missing.
inline double procField(const QString &pid, const char *file, const QByteArray &name)
{
    QFile proc(QStringLiteral("/proc/%1/%2").arg(pid, QLatin1String(file)));
    if (!proc.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : proc.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 2 && fields[0] == name + ':')
            return fields[1].toDouble();
    }
    return 0;
}

inline ProcessMemory memoryOf(const QString &pid)
{
    return {procField(pid, "status", "VmHWM") / 1024.0, procField(pid, "status", "VmRSS") / 1024.0};
}

// Proportional memory (PSS) of a process in megabytes: its own resident pages plus its
// share of those it shares with other processes (libraries, say); 0 when unknown.
inline double proportionalMemoryOf(const QString &pid)
{
    return procField(pid, "smaps_rollup", "Pss") / 1024.0;
}

// This process's heap: the memory handed out and not freed, and the freed memory the
// allocator keeps for reuse (resident, as a rule) rather than giving it back; in megabytes.
struct HeapUse {
    double inUse = 0;
    double keptFree = 0;
};

inline HeapUse heapOfThisProcess()
{
    const struct mallinfo2 heap = ::mallinfo2();
    constexpr double bytesPerMb = 1024.0 * 1024.0;
    return {double(heap.uordblks + heap.hblkhd) / bytesPerMb, double(heap.fordblks) / bytesPerMb};
}

// The threads of a process; 0 when unknown.
inline int threadsOf(const QString &pid)
{
    return int(procField(pid, "status", "Threads"));
}

// The files a process holds open, sockets and pipes included; 0 when unknown.
inline int openFilesOf(const QString &pid)
{
    return int(QDir(QStringLiteral("/proc/%1/fd").arg(pid)).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size());
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
