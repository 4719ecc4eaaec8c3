#pragma once

#include <QtGlobal>

// Whether a process of this machine still runs, by its id.
namespace ProcessState {

// The process exists (an ended child not yet waited for counts as existing).
bool exists(qint64 pid);
// The process exists and has not ended (an ended child not yet waited for has).
bool runs(qint64 pid);
// The process exists and is stopped (by a signal or a tracer): it answers nothing.
bool stopped(qint64 pid);

} // namespace ProcessState
