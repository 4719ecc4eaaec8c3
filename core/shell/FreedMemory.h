#pragma once

// Hands what large, passing work freed (a build's page pictures, an import's file) back to
// the system. The allocator keeps freed memory for reuse in each thread's heap, so that a
// program sitting idle after such work would otherwise go on holding hundreds of
// megabytes it no longer uses.
namespace FreedMemory {

void giveBack();

} // namespace FreedMemory
