#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// A thread of its own that runs the jobs handed to it one after the other, in the order
// they came. A job must not throw: whoever posts it keeps its outcome. The thread ends
// when the object goes, after the jobs already queued.
class WorkerThread
{
public:
    WorkerThread();
    ~WorkerThread();

    WorkerThread(const WorkerThread &) = delete;
    WorkerThread &operator=(const WorkerThread &) = delete;

    void post(std::function<void()> job);

private:
    void loop();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::function<void()>> m_queue;
    bool m_stopping = false;
    std::thread m_thread; // last: started once everything it uses is there
};
