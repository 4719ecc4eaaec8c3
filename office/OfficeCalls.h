#pragma once

// Internal to the office engine: included by its .cpp files only.

#include "office/OfficeCallRunner.h"
#include "office/OfficeProcess.h"

#include <QString>

#include <chrono>
#include <functional>
#include <optional>

class RunningOffice;

// The calls to one office, each on the office's thread within its time limit. An office
// that does not answer in time, or that is found stopped while a call waits for it, is
// killed and its process reaped at once; once the office has died or been killed, the
// instance is lost, and every later call fails at once with OfficeInstanceLost saying why.
class OfficeCalls
{
public:
    explicit OfficeCalls(RunningOffice &office);

    // Runs work once the office is found connected and running. Throws what work throws,
    // as OfficeInstanceLost when the office is found ended after it failed.
    void call(const QString &what, std::chrono::milliseconds limit, const std::function<void()> &work);
    // Runs the start of the office (connect), which finds no office connected yet.
    void start(std::chrono::milliseconds limit, const std::function<void()> &connect);
    // Queues work without waiting and without a limit (starting, warming up, ending).
    void post(std::function<void()> work) { m_runner.post(std::move(work)); }

    void throwIfLost() const;
    bool isLost() const { return m_lost.has_value(); }
    // The first failure of posted work, if any.
    std::exception_ptr failure() { return m_runner.failure(); }
    bool isBusy() { return m_runner.isBusy(); }
    void waitUntilIdle() { m_runner.waitUntilIdle(); }
    bool waitUntilIdle(std::chrono::milliseconds limit) { return m_runner.waitUntilIdle(limit); }

private:
    // Why the office cannot answer, from its process's state; empty while it can. Only a
    // stopped office counts while the call waits behind earlier work (an office may end by
    // itself while it starts, to be started again); once the call runs, an ended one too.
    QString lostWhile(const QString &what, bool callRuns) const;
    // Kills and reaps the process of an instance given up, on the office's thread.
    void endLostOffice();

    RunningOffice &m_office;
    const OfficeProcess::LivePid m_pid;
    std::optional<QString> m_lost; // why the instance is gone, once it is
    OfficeCallRunner m_runner;     // last: its thread ends before anything its work uses goes
};
