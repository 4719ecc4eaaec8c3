#pragma once

#include <functional>

// Counts how often a procedure shows that it is busy.
struct BusyCount {
    int shown = 0;
    std::function<void()> showBusy()
    {
        return [this] { ++shown; };
    }
};
