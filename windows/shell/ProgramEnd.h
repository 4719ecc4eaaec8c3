#pragma once

// Ends the program at once: every window disappears without being asked to close (so no
// window's closing handler runs), events still queued are dropped, and the event loop
// ends. Nothing is saved at this moment; the day entries are stored as they change. From
// then on no message reaches the screen: a procedure still winding down writes to the
// terminal only.
namespace ProgramEnd {

void now();

} // namespace ProgramEnd
