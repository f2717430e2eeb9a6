#pragma once
// Process-wide counts of the edits that a list cannot see through its own members, for the caches
// that depend on a list's nodes and points (the profile's compiled curve table). They only grow;
// a cache records them and compares. Single-threaded, as the whole library.

#include <cstdint>

namespace kx::detail {

// Calls of the public DT_Node setters, on any node of any list.
extern std::uint64_t gNodeEdits;
// Changes and raw accesses (non-const Get, operator[]) of watched points (see PointAccess).
extern std::uint64_t gPointEdits;

}  // namespace kx::detail
