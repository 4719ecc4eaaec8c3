#include "office/OfficeRetirement.h"

#include <algorithm>

OfficeRetirement::OfficeRetirement()
    : m_thread([this] { workerLoop(); })
{
}

OfficeRetirement::~OfficeRetirement()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        // The program is ending: no office is asked any more.
        for (const OfficeProcess::LivePid &office : m_ending)
            OfficeProcess::signalKill(office);
    }
    m_changed.notify_all();
    m_thread.join();
}

void OfficeRetirement::retire(std::function<void()> ending, OfficeProcess::LivePid office, bool killFirst)
{
    {
        const std::lock_guard lock(m_mutex);
        if (killFirst || m_stopping)
            OfficeProcess::signalKill(office);
        m_ending.push_back(office);
        m_queue.push_back({std::move(ending), std::move(office)});
    }
    m_changed.notify_all();
}

void OfficeRetirement::waitUntilIdle()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_queue.empty() && !m_busy; });
}

void OfficeRetirement::workerLoop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return !m_queue.empty() || m_stopping; });
        if (m_queue.empty())
            return;
        Retiree retiree = std::move(m_queue.front());
        m_queue.pop_front();
        m_busy = true;
        // An office retired while the program ends is killed, not asked.
        if (m_stopping)
            OfficeProcess::signalKill(retiree.office);
        lock.unlock();
        retiree.ending();
        retiree.ending = nullptr;
        lock.lock();
        m_ending.erase(std::remove(m_ending.begin(), m_ending.end(), retiree.office), m_ending.end());
        m_busy = false;
        m_changed.notify_all();
    }
}
