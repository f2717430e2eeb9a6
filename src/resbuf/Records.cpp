#include "resbuf/Records.h"

#include "kx/foundation/FlatExports.h"

namespace kx::detail {

namespace {

// Restypes from low to high (inclusive) and the value type they carry.
struct Range {
  short low, high;
  short type;
};

constexpr Range kValueTypes[] = {
    {-2, -1, RTENAME},
    {-3, -3, -3},
    {0, 9, RTSTR},
    {10, 17, RTPOINT},
    {38, 59, RTREAL},
    {60, 79, RTSHORT},
    {90, 99, RTLONG},
    {100, 102, RTSTR},
    {110, 132, RTREAL},
    {140, 149, RTREAL},
    {170, 179, RTSHORT},
    {210, 219, RTPOINT},
    {280, 289, RTSHORT},
    {300, 309, RTSTR},
    {320, 369, RTLONG},
    {370, 370, RTSHORT},
    {410, 410, RTLONG},
    {1000, 1003, RTSTR},
    {1004, 1004, RTLONG},
    {1005, 1005, RTSTR},
    {1010, 1013, RTPOINT},
    {1021, 1023, RTPOINT},
    {1031, 1033, RTPOINT},
    {1040, 1042, RTREAL},
    {1070, 1070, RTSHORT},
    {1071, 1071, RTLONG},
    {RTREAL, RTREAL, RTREAL},
    {RTPOINT, RTPOINT, RTPOINT},
    {RTSHORT, RTSHORT, RTSHORT},
    {RTSTR, RTSTR, RTSTR},
    {RT3DPOINT, RT3DPOINT, RTPOINT},
    {RTLONG, RTLONG, RTLONG},
    {RTT, RTT, RTT},
};

}  // namespace

int ValueType(short restype) {
  for (const Range& range : kValueTypes) {
    if (restype >= range.low && restype <= range.high) return range.type;
  }
  return 0;
}

void ReleaseChain(resbuf* chain) {
  for (resbuf* rec = chain; rec != nullptr; rec = rec->rbnext) {
    if (IsTextCode(rec->restype) && rec->resval.rstring != nullptr) {
      KMR00_free(rec->resval.rstring);
      rec->resval.rstring = nullptr;
    }
  }
  WINKMR00_relrb(chain);
}

}  // namespace kx::detail
