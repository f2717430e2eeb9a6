#pragma once
// The flat C functions of the library (C linkage).
//
// They serve C hosts and the library's own classes: memory and strings released by the same
// runtime that allocated them, result-buffer records, the process-wide last error code, the
// process-wide "system long" that holds the current host interface object, a table of open file
// names, and a trace hook. All of this state is process-wide, starts at zero and is not guarded:
// the host calls the library from one thread.

#include <cstdint>

#include "kx/foundation/Export.h"

struct resbuf;

extern "C" {

// Memory and strings -----------------------------------------------------------------------------

// size bytes from the C heap; null when out of memory.
KX_API void* nc_get_mem(unsigned size);
// Releases p; 0 for a null p, else 1.
KX_API int nc_free_mem(void* p);
// A new copy of s on the C heap (release with nc_free_mem or KMR00_free); null for a null s or
// when out of memory.
KX_API char* nc_strdup(const char* s);
// Same as nc_free_mem.
KX_API int KMR00_free(void* p);
// Same as nc_strdup.
KX_API char* KMR00_strdup(const char* s);

// Result buffers ---------------------------------------------------------------------------------

// One record with the given type code, a null link and an all-zero value. When memory runs out,
// shows "WINKMR00_newrb failed. OUT OF MEMORY ?" in the platform message box and returns null.
KX_API resbuf* WINKMR00_newrb(short type);
// Releases chain and every record after it. The strings of the text codes (5005, 1000, 1001, 1002,
// 1005 and 0 to 9) are released first. Always 1, also for a null chain.
KX_API int WINKMR00_relrb(resbuf* chain);

// Last error code --------------------------------------------------------------------------------

// Any code but -9999 is stored and 0 returned; -9999 returns the stored code unchanged.
KX_API int WINKMR00_ErrCode(int code);

// System long: the current host interface object -------------------------------------------------
// The value is the address of the current KxBasicAPI object, or 0 when none is installed; it is
// as wide as a pointer.

// mode 0: installs the built-in host interface and returns it; mode 1: shows the stored value in a
// message box and returns it; any other mode: returns the stored value.
KX_API std::intptr_t DOVERO01_GetSystemLong(int mode);
// mode 0: installs the built-in host interface; 1: shows value in a message box, stores nothing;
// 2: stores value; 3: clears the stored value when it equals value. Always 1.
KX_API int DOVERO01_SetSystemLong(int mode, std::intptr_t value);

// Open-file table --------------------------------------------------------------------------------

// A table of 100 file names of at most 511 characters.
// With a non-null listBox (a kx::platform::ListBox*), every used entry is appended to it in table
// order and the result is 1. Otherwise, with a non-null name: mode 0 answers 1 when an entry equals
// name ignoring case; mode 1 adds name (0 when the table is full or the name has 512 characters or
// more); mode 2 removes the first entry equal to name ignoring case (0 when there is none). A null
// name or any other mode gives 0.
KX_API int DOVERO01_OpenFileList(const char* name, int mode, void* listBox);

// Trace ------------------------------------------------------------------------------------------

// The trace hook for developer messages: discards text and returns 0.
KX_API int DOVERO01_TRACE1(const char* text);

}  // extern "C"
