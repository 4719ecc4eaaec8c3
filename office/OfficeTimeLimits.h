#pragma once

#include <chrono>

// How long the program waits for one answer of an office before it gives the office up:
// the instance is killed and the call fails. Starting, loading, saving and laying out
// pages can take a while on a busy machine; every other call answers within milliseconds.
struct OfficeTimeLimits {
    std::chrono::milliseconds start{20'000};
    std::chrono::milliseconds load{20'000};
    std::chrono::milliseconds save{20'000};
    std::chrono::milliseconds render{20'000};
    std::chrono::milliseconds other{5'000};
};
