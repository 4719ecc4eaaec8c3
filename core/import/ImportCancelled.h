#pragma once

#include <stop_token>

// Thrown where reading files or working out an import stops because the person cancelled
// it: nothing read so far is used. The readers and the plan look between records, so that
// a cancelled import ends within moments even in the largest file.
struct ImportCancelled {
    static void throwIfRequested(const std::stop_token &stop)
    {
        if (stop.stop_requested())
            throw ImportCancelled();
    }
};
