#pragma once

#include <QString>

#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class QEventLoop;
class QObject;

// Runs the calls to one office on a thread of its own while the calling thread waits with
// its events flowing: the windows keep painting and can be closed while the office works.
// Each call has a time limit. When it passes, or when the program ends while waiting, the
// caller's give-up action runs (it kills the office, which makes the pending call return),
// the runner waits for the call to come back, and the call fails with OfficeInstanceLost.
class OfficeCallRunner
{
public:
    OfficeCallRunner();
    ~OfficeCallRunner();

    OfficeCallRunner(const OfficeCallRunner &) = delete;
    OfficeCallRunner &operator=(const OfficeCallRunner &) = delete;

    // Runs work on the office thread and returns when it has finished, rethrowing what it
    // threw. what names the call in the message of a call given up.
    void run(const QString &what, std::chrono::milliseconds limit, const std::function<void()> &work,
             const std::function<void()> &giveUp);

    // Waits for the time given with events flowing, as between two attempts to connect.
    static void pause(std::chrono::milliseconds time);

private:
    void workerLoop();
    void waitUntilIdle();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::function<void()> m_work;    // the call waiting for the office thread, if any
    bool m_busy = false;             // a call is running or waiting
    bool m_stopping = false;
    std::exception_ptr m_failure;
    std::unique_ptr<QObject> m_receiver; // wakes the waiting event loop, on the caller's thread
    QEventLoop *m_waitingLoop = nullptr;
    std::thread m_thread;
};
