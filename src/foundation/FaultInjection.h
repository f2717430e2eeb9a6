#pragma once
// Allocation failures on demand, for the fault-injection tests (tests/faults). Only a library
// built with KX_FAULT_INJECTION (the `faults` preset) has these functions; in any other build they
// do not exist and the allocations are not counted.
//
// The allocations that count, and that can be made to fail, are those of the record functions:
// WINKMR00_newrb, nc_get_mem, nc_strdup and KMR00_strdup, through which KxResBuffer makes every
// record and text. A failing one answers as when memory runs out: null (WINKMR00_newrb also shows
// its message).

#include "kx/foundation/Export.h"

#if defined(KX_FAULT_INJECTION)
extern "C" {
// From now on the nth allocation fails (counting from 1), and only that one; 0 makes none fail.
// The count of allocations restarts.
KX_API void kx_fault_fail_allocation(long nth);
// The allocations asked for since the count restarted, a failed one included.
KX_API long kx_fault_allocations();
// The blocks handed out by the record functions and not yet released (records, texts, memory).
KX_API long kx_fault_live_blocks();
}
#endif
