#pragma once

#include "office/OfficeProcess.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// Ends office instances in the background, so that nobody waits for an office to shut
// down: an instance handed over here is asked to end (terminate, wait, kill) on a thread
// of this object's. When this object goes (the program ends), every office still ending
// is killed at once and the wait is over within moments.
class OfficeRetirement
{
public:
    OfficeRetirement();
    ~OfficeRetirement();

    OfficeRetirement(const OfficeRetirement &) = delete;
    OfficeRetirement &operator=(const OfficeRetirement &) = delete;

    // ending runs on the retirement thread and ends the instance (its destructor, as a
    // rule). office is its process; with killFirst it is killed right away, for an office
    // that is not to be asked.
    void retire(std::function<void()> ending, OfficeProcess::LivePid office, bool killFirst);

    // Waits until every instance handed over has ended (tests and benchmarks).
    void waitUntilIdle();

private:
    struct Retiree {
        std::function<void()> ending;
        OfficeProcess::LivePid office;
    };

    void workerLoop();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Retiree> m_queue;
    std::vector<OfficeProcess::LivePid> m_ending; // every office not yet ended
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;
};
