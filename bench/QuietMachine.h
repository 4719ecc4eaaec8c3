#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QThread>

#include "bench/BenchFigures.h"

#include <algorithm>
#include <cstdio>
#include <functional>

// A floor (what a person would otherwise run) is timed only on a machine at rest: after the
// program and every process it started have ended and the processors are as idle again as
// they were before anything ran. A floor timed while the program's processes are still
// being torn down, or while the office a moment earlier still writes its files, meets a
// busier machine and flatters the program.
//
// Program and floor alternate which of the two goes first (program, floor, floor, program,
// …), so that neither always meets the machine the other left; each order's medians are
// printed on their own.

// The processors' idle share (0 to 1, all processors together) from /proc/stat.
class IdleShare
{
public:
    IdleShare() { read(m_idle, m_total); }
    // The idle share since the last call (or since made).
    double sinceLast()
    {
        long long idle = 0;
        long long total = 0;
        read(idle, total);
        const long long spent = total - m_total;
        const double share = spent > 0 ? double(idle - m_idle) / double(spent) : 1.0;
        m_idle = idle;
        m_total = total;
        return share;
    }

private:
    // The first line of /proc/stat: user nice system idle iowait irq softirq steal, in ticks.
    static void read(long long &idle, long long &total)
    {
        QFile stat(QStringLiteral("/proc/stat"));
        if (!stat.open(QIODevice::ReadOnly))
            return;
        const QList<QByteArray> fields = stat.readLine().simplified().split(' ');
        idle = total = 0;
        for (int i = 1; i < std::min<int>(int(fields.size()), 9); ++i) {
            total += fields.at(i).toLongLong();
            if (i == 4 || i == 5) // idle and waiting for the disk
                idle += fields.at(i).toLongLong();
        }
    }

    long long m_idle = 0;
    long long m_total = 0;
};

class QuietMachine
{
public:
    // childrenLeft: how many processes the program started are still there (none: the
    // program's work has ended).
    explicit QuietMachine(std::function<int()> childrenLeft)
        : m_childrenLeft(std::move(childrenLeft))
    {
    }

    // The machine's own idle share, measured over a second before anything of the benchmark
    // runs: what "at rest" means on this machine now (other users' work included).
    void learnRest()
    {
        IdleShare share;
        QThread::msleep(1000);
        m_rest = share.sinceLast();
    }
    double rest() const { return m_rest; }

    // Waits until no more than childrenAllowed children are left (none: the program's work
    // has ended; a program's idle offices got ready ahead may be allowed before its own
    // run) and the processors have been idle as at rest for 100 ms on end (at most 5 s);
    // returns how long it waited, in milliseconds.
    double settle(int childrenAllowed = 0)
    {
        QElapsedTimer waited;
        waited.start();
        IdleShare share;
        int quietSlices = 0;
        while (quietSlices < slicesOfRest && waited.elapsed() < 5000) {
            QThread::msleep(sliceMs);
            const double idle = share.sinceLast();
            quietSlices = m_childrenLeft() <= childrenAllowed && idle >= m_rest - tolerance ? quietSlices + 1 : 0;
        }
        if (quietSlices < slicesOfRest)
            ++m_unsettled;
        return double(waited.elapsed());
    }
    // How many times the machine did not come to rest within the time allowed.
    int unsettled() const { return m_unsettled; }

    // The load average over the last minute, as /proc/loadavg has it.
    static double loadAverage()
    {
        QFile load(QStringLiteral("/proc/loadavg"));
        return load.open(QIODevice::ReadOnly) ? load.readAll().split(' ').value(0).toDouble() : -1;
    }

private:
    // /proc/stat counts in hundredths of a second: slices of 50 ms hold ten ticks of two
    // processors, so two slices on end make the 100 ms of rest.
    static constexpr int sliceMs = 50;
    static constexpr int slicesOfRest = 2;
    static constexpr double tolerance = 0.1;

    std::function<int()> m_childrenLeft;
    double m_rest = 1.0;
    int m_unsettled = 0;
};

// Timings of a program and its floor taken in alternating order: pair 1 program then floor,
// pair 2 floor then program, and so on.
struct AlternatingRuns {
    QList<double> program;
    QList<double> floor;
    QList<bool> programFirst; // per pair

    // Runs one pair in this pair's order; each side settles the machine as it needs
    // before it times. Returns false when a side failed (a timing below 0).
    bool runPair(const std::function<double()> &timeProgram, const std::function<double()> &timeFloor)
    {
        const bool first = programFirst.size() % 2 == 0;
        double programMs = 0;
        double floorMs = 0;
        for (int side = 0; side < 2; ++side) {
            if ((side == 0) == first)
                programMs = timeProgram();
            else
                floorMs = timeFloor();
        }
        if (programMs < 0 || floorMs < 0)
            return false;
        program.append(programMs);
        floor.append(floorMs);
        programFirst.append(first);
        return true;
    }

    // The timings of the pairs in which the program went first (true) or second.
    QList<double> ofOrder(const QList<double> &values, bool programWentFirst) const
    {
        QList<double> chosen;
        for (int i = 0; i < values.size(); ++i)
            if (programFirst.at(i) == programWentFirst)
                chosen.append(values.at(i));
        return chosen;
    }

    // One side's median over all pairs and in each order, with every run in the order taken.
    void printSide(const char *what, const QList<double> &values, bool isProgram) const
    {
        std::printf("%-52s median %7.1f ms (min %.1f, max %.1f); timed first: median %.1f, timed second: median %.1f; runs:",
                    what, median(values), *std::min_element(values.cbegin(), values.cend()),
                    *std::max_element(values.cbegin(), values.cend()), median(ofOrder(values, isProgram)),
                    median(ofOrder(values, !isProgram)));
        for (double value : values)
            std::printf(" %.0f", value);
        std::printf("\n");
    }

    // Both sides, how the pairs were ordered, and the ratio of the medians.
    void print(const char *programWhat, const char *floorWhat, double target) const
    {
        std::printf("Order: program, floor, floor, program, … (%d pairs, each side on a settled machine)\n",
                    int(program.size()));
        printSide(programWhat, program, true);
        printSide(floorWhat, floor, false);
        std::printf("Ratio of the medians: %.2f (target <= %.1f); pairs with the program first %.2f, with the floor first %.2f\n",
                    median(program) / median(floor), target,
                    median(ofOrder(program, true)) / median(ofOrder(floor, true)),
                    median(ofOrder(program, false)) / median(ofOrder(floor, false)));
    }
};

// The machine's load beside a figure, so that one taken while others worked is known.
inline void printLoad(const char *when, const QuietMachine &machine)
{
    std::printf("Load %s: %.2f (one-minute average); processors idle at rest %.0f %%; did not settle %d times\n", when,
                QuietMachine::loadAverage(), machine.rest() * 100, machine.unsettled());
}
