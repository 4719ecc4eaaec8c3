#include "office/WorkerThread.h"

WorkerThread::WorkerThread()
    : m_thread([this] { loop(); })
{
}

WorkerThread::~WorkerThread()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void WorkerThread::post(std::function<void()> job)
{
    {
        const std::lock_guard lock(m_mutex);
        m_queue.push_back(std::move(job));
    }
    m_changed.notify_all();
}

void WorkerThread::loop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return !m_queue.empty() || m_stopping; });
        if (m_queue.empty())
            return;
        std::function<void()> job = std::move(m_queue.front());
        m_queue.pop_front();
        lock.unlock();
        job();
        // What the job holds goes before the next one starts.
        job = nullptr;
        lock.lock();
    }
}
