#include "core/shell/FreedMemory.h"

#include <malloc.h>

void FreedMemory::giveBack()
{
    malloc_trim(0);
}
