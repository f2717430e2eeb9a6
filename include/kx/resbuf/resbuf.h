#pragma once
// The CAD host's result-buffer record, as its programming interface lays it out.
//
// A chain of records carries typed values between the host and a program: function arguments and
// results, entity data keyed by DXF group codes, extended entity data. The field and type names
// are the host's own, so that code written against the host's interface compiles unchanged.
//
// Records are allocated with WINKMR00_newrb and released, a whole chain at a time, with
// WINKMR00_relrb (kx/foundation/FlatExports.h). A text record owns its string, which is allocated
// with KMR00_strdup and released with the chain.

#include <cstddef>
#include <cstdint>

// The 24-byte value of a record. Which member is valid is told by the record's restype.
union ads_u_val {
  double rreal;            // RTREAL and real group codes
  double rpoint[3];        // RTPOINT, RT3DPOINT and point group codes: x, y, z
  short rint;              // RTSHORT and 16-bit integer group codes
  char* rstring;           // RTSTR and text group codes; owned by the record
  std::int32_t rlname[2];  // RTENAME and entity-name group codes: two 32-bit halves
  std::int32_t rlong;      // RTLONG and 32-bit integer group codes
};

struct resbuf {
  struct resbuf* rbnext;   // next record, null at the end of the chain
  short restype;           // result-type code (RT...) or DXF group code
  union ads_u_val resval;  // the value
};

// Result-type codes of the host.
inline constexpr short RTREAL = 5001;
inline constexpr short RTPOINT = 5002;
inline constexpr short RTSHORT = 5003;
inline constexpr short RTSTR = 5005;
inline constexpr short RTENAME = 5006;
inline constexpr short RT3DPOINT = 5009;
inline constexpr short RTLONG = 5010;
inline constexpr short RTT = 5021;  // "true": carries no value

static_assert(sizeof(ads_u_val) == 24, "the value of a result buffer is 24 bytes");
static_assert(offsetof(resbuf, rbnext) == 0, "the link comes first");
static_assert(offsetof(resbuf, restype) == sizeof(void*), "the type code follows the link");
#if UINTPTR_MAX > 0xFFFFFFFFu
static_assert(sizeof(resbuf) == 40, "with 64-bit pointers a result buffer is 40 bytes");
static_assert(offsetof(resbuf, resval) == 16, "with 64-bit pointers the value starts at 16");
#else
static_assert(sizeof(resbuf) == 32, "with 32-bit pointers a result buffer is 32 bytes");
static_assert(offsetof(resbuf, resval) == 8, "with 32-bit pointers the value starts at 8");
#endif
