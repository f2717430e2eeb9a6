#pragma once
// What the library knows about result-buffer records beside the record layout: the value type of
// each restype, and releasing a chain with the texts it owns.

#include "kx/resbuf/resbuf.h"

namespace kx::detail {

// The value type a restype carries: 5001 real, 5002 point, 5003 short, 5005 text, 5006 entity
// name, 5010 long, 5021 (no value), -3 (start of extended data); 0 for an unknown restype.
int ValueType(short restype);

// Whether records of this restype hold a text (value type 5005).
inline bool IsTextCode(short restype) { return ValueType(restype) == RTSTR; }

// Releases chain and every record after it with WINKMR00_relrb, after releasing the text of every
// text record: WINKMR00_relrb knows only some of the text codes (not 100-102, 300-309, 1003), and
// their texts would otherwise be lost.
void ReleaseChain(resbuf* chain);

}  // namespace kx::detail
