#pragma once

#include <chrono>

// How long the program waits for one answer of an office before it gives the office up:
// the instance is killed and the call fails. Starting, loading, saving and laying out
// pages can take a while on a busy machine; every other call answers within milliseconds.
// Ending an office (closing its documents, asking it to end, killing it when it does not)
// has a limit of its own, after which the office is killed; a ready office is checked with
// a short question before it is trusted.
struct OfficeTimeLimits {
    std::chrono::milliseconds start{20'000};
    std::chrono::milliseconds load{20'000};
    std::chrono::milliseconds save{20'000};
    std::chrono::milliseconds render{20'000};
    std::chrono::milliseconds other{5'000};
    std::chrono::milliseconds end{10'000};
    std::chrono::milliseconds check{1'000};
};
