#pragma once

#include "office/OfficeProcess.h"

#include <functional>
#include <list>
#include <memory>
#include <mutex>

class WorkerThread;

// Ends office instances in the background, so that nobody waits for an office to shut
// down: each instance handed over here is ended on a thread of its own, so that one that
// takes long to end (stopped, hung) never holds up the ending of another. An ending is
// expected to end within its own limit, killing its office when need be. When this object
// goes (the program ends), every office still ending is killed at once and the wait is
// over within moments.
class OfficeRetirement
{
public:
    OfficeRetirement();
    ~OfficeRetirement();

    OfficeRetirement(const OfficeRetirement &) = delete;
    OfficeRetirement &operator=(const OfficeRetirement &) = delete;

    // ending runs on a thread of the retirement's and ends the instance (its destructor,
    // as a rule). office is its process; with killFirst it is killed right away, for an
    // office that is not to be asked.
    void retire(std::function<void()> ending, OfficeProcess::LivePid office, bool killFirst);

private:
    struct Retiree {
        OfficeProcess::LivePid office;
        bool ended = false;
        std::unique_ptr<WorkerThread> thread;
    };

    // Takes the threads of the instances that have ended, to be let go outside the lock.
    std::list<Retiree> takeEnded();

    std::mutex m_mutex;
    std::list<Retiree> m_retirees;
    bool m_stopping = false;
};
