#pragma once

#include "office/WorkerThread.h"

#include <QString>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>

class QObject;

// Runs the calls to one office, in order, on a thread of its own.
//
// run() waits for its call with the calling thread's events flowing: the windows keep
// painting and can be closed while the office works. Each call has a time limit, counted
// from when it is asked for (work posted before it runs first). While it waits, the runner
// asks the caller several times a second whether the office can still answer at all (a
// stopped process cannot): one that cannot is not waited for until the limit. When the
// limit passes, when the office is found unable to answer, or when the program ends while
// waiting, the caller's give-up action runs (it kills the office, which makes the pending
// call return), the runner waits for the call to come back, and the call fails with
// OfficeInstanceLost.
//
// post() queues work without waiting: an office is started and warmed up this way while
// nobody needs it yet. A failure of posted work is kept and reported by failure().
class OfficeCallRunner
{
public:
    OfficeCallRunner();
    // Waits for the work already queued to end.
    ~OfficeCallRunner();

    OfficeCallRunner(const OfficeCallRunner &) = delete;
    OfficeCallRunner &operator=(const OfficeCallRunner &) = delete;

    // Runs work on the office thread and returns when it has finished, rethrowing what it
    // threw. what names the call in the message of a call given up. lost tells, while the
    // call is waited for, why the office can no longer answer; empty while it can.
    void run(const QString &what, std::chrono::milliseconds limit, std::function<void()> work,
             const std::function<void()> &giveUp, const std::function<QString()> &lost);
    void post(std::function<void()> work);

    // The first failure of posted work, if any.
    std::exception_ptr failure();
    // True while queued work has not ended.
    bool isBusy();
    // Waits, without events, until the work queued so far has ended.
    void waitUntilIdle();
    // The same within a limit: false when the work has not ended by then.
    bool waitUntilIdle(std::chrono::milliseconds limit);

private:
    // Queues work on the thread, numbered; under m_mutex.
    std::uint64_t queue(std::function<void()> work, bool posted);
    bool finished(std::uint64_t job) const { return m_lastFinished >= job; }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::uint64_t m_lastQueued = 0;
    std::uint64_t m_lastFinished = 0;
    std::exception_ptr m_lastFailure;   // of the job that just finished, for its waiter
    std::exception_ptr m_postedFailure; // the first failure of posted work
    std::unique_ptr<QObject> m_receiver; // wakes the waiting event loop, on the caller's thread
    std::function<void()> m_wakeWaiter;  // set while a caller waits
    WorkerThread m_thread;               // last: it ends before anything its work uses goes
};
