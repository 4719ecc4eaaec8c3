#include "office/OfficeRetirement.h"

#include "office/WorkerThread.h"


OfficeRetirement::OfficeRetirement() = default;

OfficeRetirement::~OfficeRetirement()
{
    std::list<Retiree> retirees;
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        // The program is ending: no office is asked any more.
        for (const Retiree &retiree : m_retirees)
            OfficeProcess::signalKill(retiree.office);
        retirees.swap(m_retirees);
    }
    // Each thread ends once its instance has.
    retirees.clear();
}

void OfficeRetirement::retire(std::function<void()> ending, OfficeProcess::LivePid office, bool killFirst)
{
    const std::list<Retiree> ended = takeEnded();
    const std::lock_guard lock(m_mutex);
    if (killFirst || m_stopping)
        OfficeProcess::signalKill(office);
    Retiree &retiree = m_retirees.emplace_back(Retiree{std::move(office), false, std::make_unique<WorkerThread>()});
    retiree.thread->post([this, &retiree, ending = std::move(ending)]() mutable {
        ending();
        ending = nullptr;
        const std::lock_guard lock(m_mutex);
        retiree.ended = true;
    });
}

std::list<OfficeRetirement::Retiree> OfficeRetirement::takeEnded()
{
    std::list<Retiree> ended;
    const std::lock_guard lock(m_mutex);
    for (auto retiree = m_retirees.begin(); retiree != m_retirees.end();) {
        const auto next = std::next(retiree);
        if (retiree->ended)
            ended.splice(ended.end(), m_retirees, retiree);
        retiree = next;
    }
    return ended;
}
